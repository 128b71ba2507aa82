#include "reports/AnalysisTally.h"

#include <gtest/gtest.h>

#include "reports/AnalysisFlags.h"
#include "reports/CallArea.h"
#include "reports/ReportFormat.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

struct Moment {
    int day;
    int hhmm;
};

// "day/hour:count" of every hour record.
std::vector<std::string> hoursOf(std::initializer_list<Moment> moments) {
    CSorvakDoc doc;
    for (const Moment& m : moments) {
        doc.add(qsoAt(m.day, m.hhmm));
    }
    AnalysisTally tally = tallyLog(doc.qsoList(), 0);
    std::vector<std::string> hours;
    for (const HourTally& h : tally.hours) {
        hours.push_back(std::to_string(h.day) + "/" + std::to_string(h.hour) + ":" +
                        std::to_string(h.count[0][0]));
    }
    EXPECT_EQ(tally.hourCount, static_cast<int>(tally.hours.size()));
    return hours;
}

TEST(AnalysisTally, HoursFollowTheClockFace) {
    using V = std::vector<std::string>;
    EXPECT_EQ(hoursOf({{1, 2350}, {2, 10}}), (V{"1/23:1", "2/0:1"}));
    EXPECT_EQ(hoursOf({{1, 1005}, {1, 1340}}), (V{"1/10:1", "1/11:0", "1/12:0", "1/13:1"}));
    // The same hour on another day is taken for the hour already open.
    EXPECT_EQ(hoursOf({{1, 2030}, {2, 2000}}), (V{"1/20:2"}));
    // Hour 23 on the next day does open a new day: 24 records.
    V late = hoursOf({{1, 2310}, {2, 2320}});
    ASSERT_EQ(late.size(), 25u);
    EXPECT_EQ(late[0], "1/23:1");
    EXPECT_EQ(late[1], "2/0:0");
    EXPECT_EQ(late[24], "2/23:1");
    // From 22:00 to 01:00 of the next day: 23 keeps the old day.
    EXPECT_EQ(hoursOf({{1, 2200}, {2, 100}}), (V{"1/22:1", "1/23:0", "2/0:0", "2/1:1"}));
}

TEST(AnalysisTally, AQsoWithoutABandCountsForAllBandsOnly) {
    CSorvakDoc doc;
    doc.add(qsoAt(1, 1000, "10G", "CW"));
    auto noBand = qsoAt(1, 1130, "7", "CW", "JA1XYZ");
    noBand->setBand(-1);
    noBand->setNewMulti(1);
    noBand->setNewMulti2(1);
    doc.add(std::move(noBand));
    AnalysisTally t = tallyLog(doc.qsoList(), ANALYSIS_QAA);
    EXPECT_EQ(t.totals.count[0][0], 2);
    EXPECT_EQ(t.totals.count[0][1], 2);
    EXPECT_EQ(t.totals.newMultis[0], 2);
    EXPECT_EQ(t.totals.points[0], 2);
    EXPECT_EQ(t.hours[1].cumCount[0], 2);
    int perBand = 0;
    for (size_t b = 1; b < kBandIndexCount; ++b) {
        perBand += t.totals.count[b][0] + t.totals.count[b][1] + t.totals.newMultis[b];
    }
    EXPECT_EQ(perBand, 2);  // the 10G QSO and its area
    EXPECT_EQ(t.hours[1].cumCount[16], 1);
}

TEST(AnalysisTally, CallSignsWithoutAnAreaAreListedAndTheAreaCountCanEndEarly) {
    CSorvakDoc doc;
    for (const char* call : {"JA1ABC", "W1AW", "JA3XYZ", "K1AA", "JA4QQQ"}) {
        doc.add(qsoAt(1, 1000, "7", "CW", call));
    }
    AnalysisTally all = tallyLog(doc.qsoList(), ANALYSIS_QAA);
    EXPECT_EQ(all.rowsWithoutArea, (std::vector<size_t>{1, 3}));
    EXPECT_EQ(all.totals.count[3][1] + all.totals.count[3][3] + all.totals.count[3][4], 3);
    EXPECT_EQ(all.totals.cwCount[0][4], 1);
    EXPECT_EQ(all.totals.count[3][0], 5);

    AnalysisTally part = tallyLog(doc.qsoList(), ANALYSIS_QAA, 1);
    EXPECT_EQ(part.totals.count[3][1], 1);
    EXPECT_EQ(part.totals.count[3][3], 0);
    EXPECT_EQ(part.totals.count[3][0], 5);

    AnalysisTally none = tallyLog(doc.qsoList(), ANALYSIS_QAF);
    EXPECT_TRUE(none.rowsWithoutArea.empty());
    EXPECT_EQ(none.totals.count[0][1], 0);
}

TEST(CallArea, DigitsOfJapaneseCalls) {
    EXPECT_EQ(callArea("JA1ABC"), 1);
    EXPECT_EQ(callArea("7K3XYZ"), 1);
    EXPECT_EQ(callArea("7J1ABC"), 1);
    EXPECT_EQ(callArea("7J6AAA"), 6);
    EXPECT_EQ(callArea("JA1ABC/3"), 3);
    EXPECT_EQ(callArea("JA1AB/0"), 10);
    EXPECT_EQ(callArea("JA0AAA"), 10);
    EXPECT_EQ(callArea("W1AW"), std::nullopt);
    EXPECT_EQ(callArea("JA"), std::nullopt);
    EXPECT_EQ(callArea(""), std::nullopt);
}

TEST(ReportFormat, CountsAndCwSubcountsAreNeverCut) {
    EXPECT_EQ(formatCount(0, 4), "   -");
    EXPECT_EQ(formatCount(12, 4), "  12");
    EXPECT_EQ(formatCount(123456789012LL, 4), "123456789012");
    EXPECT_EQ(formatCwSubcount(12, 5), "(12) ");
    EXPECT_EQ(formatCwSubcount(0, 5), "     ");
    EXPECT_EQ(formatCwSubcount(1234567, 5), "(1234567)");
    EXPECT_EQ(formatCwSubcount(3, 0), "(3)");
}

}  // namespace
}  // namespace sorvak
