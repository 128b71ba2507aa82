#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;
class Ui;

// How an analysis ended.
enum class AnalysisOutcome {
    Written,       // every selected report was written or skipped by the user
    Cancelled,     // the user declined the sort
    NoData,        // nothing to analyse
    NoReport,      // no report selected
    ReportFailed,  // a selected report could not be written
};

// "交信データ解析(&Q)...": the settings dialog; true when the user pressed OK
// and the settings were stored.
bool analysisSettings(CSorvakDoc& doc, Ui& ui);

// "交信データの解析(&Q)...": the settings dialog, then the analysis.
void runAnalysis(CSorvakDoc& doc, Ui& ui);

// The analysis with the document's settings: sorts the log by time (after
// asking), tallies it hour by hour and writes each selected report, named
// after the log's file name, into the current directory; then shows what was
// written.
AnalysisOutcome writeAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& countryFile);

// The log's file name without folder and extension, which names the reports.
std::string reportBaseName(const std::string& title);

}  // namespace sorvak
