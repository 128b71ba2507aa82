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

// "交信データの解析(&Q)...": the settings dialog, then the analysis with the
// program's country file, written into `folder`.
void runAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& folder);

// The analysis with the document's settings: sorts the log by time (after
// asking), tallies it hour by hour and writes each selected report, named
// after the log's file name, into `folder` ("" for the current directory);
// then shows what was written. A call sign without a call area (with the
// area report selected), an invalid multiplier, a call sign the country file
// does not resolve and every input file that cannot be read are told.
AnalysisOutcome writeAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& countryFile,
                              const std::string& folder);

}  // namespace sorvak
