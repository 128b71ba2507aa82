#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/QsoRecord.h"
#include "reports/AnalysisTally.h"

namespace sorvak {

class Ui;

// What one analysis run hands to every report writer, and the report being
// written. The text of a report is kept in CP932 with "\n" line ends until
// closeReportFile writes it out whole with CR LF line ends.
struct ReportRun {
    const std::vector<std::unique_ptr<QsoRecord>>& qsoList;  // sorted by time
    unsigned flags;                                          // AnalysisFlags of the run
    std::string baseName;       // the log's file name without its extension
    std::string multiDataFile;  // the multiplier data file chosen by the user, or empty
    std::string countryFile;    // the country definition file
    const AnalysisTally& tally;
    Ui& ui;

    // The report being written: its path (base name + extension, relative to
    // the current directory) and its text so far.
    std::string path;
    std::string text;
    // Set when the user chose not to overwrite an existing report, so the
    // driver can tell a skipped report from a failed one.
    bool declined = false;

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

// Starts the report `extension` (".QAF", ...): asks before overwriting an
// existing file and checks that the file can be written. False when the
// report is to be skipped (the user declined, or the file cannot be made).
bool openReportFile(ReportRun& run, std::string_view extension);

// Ends the report with a final "\n" and writes the whole text to its file,
// never leaving a half-written one; false, after telling the user, when the
// file could not be written.
bool closeReportFile(ReportRun& run);

}  // namespace sorvak
