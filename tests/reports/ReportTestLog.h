#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/AnalysisCommands.h"
#include "model/CSorvakDoc.h"
#include "model/QsoRecord.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak::test {

// A QSO of November 2026 at `day` and `hhmm`, on the band and mode given,
// one point, no multiplier.
std::unique_ptr<QsoRecord> qsoAt(int day, int hhmm, const std::string& band = "7",
                                 const std::string& mode = "CW",
                                 const std::string& callSign = "JA1ABC");

// Adds `count` QSOs at day 1, `hhmm`, on `band`.
void addQsos(CSorvakDoc& doc, int count, int hhmm, const std::string& band,
             const std::string& mode = "CW");

// Two bands over three hours, the middle one empty: CW and SSB, multipliers,
// one QSO with both multiplier flags.
void addContest(CSorvakDoc& doc);

// The file's bytes with CR LF turned into LF, and an empty text when any
// line end is not CR LF, so a whole report can be compared as plain text.
std::string textOfCrLfFile(const std::string& path);

// An analysis run into a fresh folder, on the log "contest.qgb".
class AnalysisTest : public ::testing::Test {
  protected:
    AnalysisTest() { doc.setTitle("/logs/contest.qgb"); }

    // Selects exactly the reports given; the others stay off.
    void select(bool qaf, bool qaa, bool qag, bool qaq) {
        ReportSettings s = doc.reportSettings();
        s.outQAF = qaf;
        s.outQAA = qaa;
        s.outQAG = qag;
        s.outQAQ = qaq;
        doc.setReportSettings(s);
    }
    // Selects exactly the reports whose AnalysisFlags bits are given.
    void selectOnly(unsigned reports);
    void options(bool doubleScore, bool cumulative, bool zeroHours, bool cwSubcount) {
        ReportSettings s = doc.reportSettings();
        s.doubleScore = doubleScore;
        s.cumulative = cumulative;
        s.includeZeroHours = zeroHours;
        s.cwSubcount = cwSubcount;
        doc.setReportSettings(s);
    }
    AnalysisOutcome analyse() { return writeAnalysis(doc, ui, "/nowhere/CQWW.DAT", dir.path()); }
    // The report's text in UTF-8 with LF line ends.
    std::string report(const std::string& extension);

    TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
};

}  // namespace sorvak::test
