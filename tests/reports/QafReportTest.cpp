#include <gtest/gtest.h>

#include "platform/Cp932.h"
#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportRun.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::addContest;

using Analysis = test::AnalysisTest;

TEST_F(Analysis, QafWithCwSubcountsAndDoubleScore) {
    addContest(doc);
    select(true, false, false, false);
    options(true, true, true, true);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAF"),
              "＜結果＞\n"
              "\n"
              "　バンド　　交信局数　　得点　　マルチ\n"
              "    7 MHz        3         3       3\n"
              "   21 MHz        2         4       1\n"
              "  合　計         5         7 ×    4  × 2  ＝  56\n"
              "\n"
              "\n"
              "＜時間ごとの交信局数＞　（括弧内は電信の内数）\n"
              "\n"
              "         7       21       ALL\n"
              "\n"
              " [10]    3(2)     0         3(2)\n"
              " [11]    0        0         0\n"
              " [12]    0        2(1)      2(1)\n"
              "\n"
              "Total    3(2)     2(1)      5(3)\n"
              "\n"
              "\n"
              "＜時間ごとの累積交信局数＞　（括弧内は電信の内数）\n"
              "\n"
              "         7       21       ALL\n"
              "\n"
              " [10]    3(2)     0         3(2)\n"
              " [11]    3(2)     0         3(2)\n"
              " [12]    3(2)     2(1)      5(3)\n"
              "\n"
              "\n"
              "＜マルチプライヤーの獲得状況＞　（括弧内は電信の内数）\n"
              "\n"
              "         7       21       ALL\n"
              "\n"
              " [10]    3(1)     -         3(1)\n"
              " [11]    -        -         -\n"
              " [12]    -        1         1\n"
              "\n"
              "Total    3(1)     1         4(1)\n");
}

TEST_F(Analysis, QafWithoutOptions) {
    addContest(doc);
    select(true, false, false, false);
    options(false, false, false, false);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAF"),
              "＜結果＞\n"
              "\n"
              "　バンド　　交信局数　　得点　　マルチ\n"
              "    7 MHz        3         3       3\n"
              "   21 MHz        2         4       1\n"
              "  合　計         5         7 ×    4  ＝  28\n"
              "\n"
              "\n"
              "＜時間ごとの交信局数＞\n"
              "\n"
              "         7    21    ALL\n"
              "\n"
              " [10]    3     0      3\n"
              " [12]    0     2      2\n"
              "\n"
              "Total    3     2      5\n"
              "\n"
              "\n"
              "＜時間ごとの累積交信局数＞\n"
              "\n"
              "         7    21    ALL\n"
              "\n"
              " [10]    3     0      3\n"
              " [12]    3     2      5\n"
              "\n"
              "\n"
              "＜マルチプライヤーの獲得状況＞\n"
              "\n"
              "         7    21    ALL\n"
              "\n"
              " [10]    3     -      3\n"
              " [12]    -     1      1\n"
              "\n"
              "Total    3     1      4\n");
}

}  // namespace
}  // namespace sorvak

namespace sorvak {
namespace {

TEST(QafReport, ScoreBeyond32BitsAndTheTenGigahertzBand) {
    AnalysisTally tally;
    tally.hours.resize(1);
    tally.hours[0].hour = 5;
    tally.hourCount = 1;
    tally.totals.count[0][0] = tally.totals.count[16][0] = 70000;
    tally.totals.points[0] = tally.totals.points[16] = 70000;
    tally.totals.newMultis[0] = tally.totals.newMultis[16] = 70000;
    CSorvakDoc doc;
    ReportRun run{
        .qsoList = doc.qsoList(), .flags = ANALYSIS_QAF | ANALYSIS_DOUBLE_SCORE, .tally = tally};
    writeQaf(run);
    std::string text = cp932ToUtf8(run.text);
    EXPECT_NE(text.find(" 10.1 GHz    70000     70000   70000\n"
                        "  合　計     70000     70000 ×70000  × 2  ＝  9800000000\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace sorvak
