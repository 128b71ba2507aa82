#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/QsoRecord.h"
#include "reports/AnalysisTally.h"

namespace sorvak {

class CountryTable;
class MultiplierList;
class MultiplierMarks;

// What one analysis run hands to every report writer, and the text of the
// report being built. The text is kept in CP932 with "\n" line ends; the
// driver writes it out with CR LF line ends.
struct ReportRun {
    const QsoList& qsoList;  // sorted by time
    unsigned flags;          // AnalysisFlags of the run
    const AnalysisTally& tally;
    // The inputs a writer asks for in the report table, read by the driver
    // before it runs the writer; null for the others.
    const MultiplierList* multipliers = nullptr;
    const MultiplierMarks* marks = nullptr;
    const CountryTable* countries = nullptr;

    // The report's text so far.
    std::string text;
    // What the writer found that the user is told (UTF-8), in order, before
    // the report is written.
    std::vector<std::string> notes;

    bool has(unsigned flag) const { return (flags & flag) != 0; }

    // Appends program text (UTF-8, converted to CP932).
    void write(std::string_view utf8);
    // Appends text that is already CP932, such as a call sign.
    void writeBytes(std::string_view cp932);
    // printf of program text; arguments given to "%s" must be ASCII or UTF-8.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends `n` spaces.
    void spaces(int n);
};

}  // namespace sorvak
