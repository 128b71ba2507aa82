#pragma once

#include <string>

namespace sorvak {

class Ui;

// The log's file name without folder and extension, which names the
// reports and the check lists.
std::string reportBaseName(const std::string& title);

// One report file of a run: its name, which the messages show, and its path
// in the folder the run writes into.
struct ReportFile {
    ReportFile(const std::string& folder, std::string fileName);

    std::string name;
    std::string path;
    // Set when the user chose not to overwrite the existing file, so that a
    // skipped report is told from a failed one.
    bool declined = false;
};

// Before a report is built: asks before overwriting an existing file and
// checks that the file can be written. False when the report is to be
// skipped (the user declined, or the file cannot be made).
bool openReportFile(Ui& ui, ReportFile& file);

// Ends the report's text (CP932, "\n" line ends) with a final "\n" and
// writes it whole with CR LF line ends, never leaving a half-written file;
// false, after telling the user, when the file could not be written.
bool closeReportFile(Ui& ui, const ReportFile& file, std::string text);

}  // namespace sorvak
