#include <gtest/gtest.h>

#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::addQsos;
using test::qsoAt;

class RateReports : public test::AnalysisTest {
  protected:
    RateReports() { select(false, false, false, false); }
};

TEST_F(RateReports, QaaCountsCallAreasAndLeavesRefusedCallsToTheBandTotal) {
    select(false, true, false, false);
    options(false, true, false, true);
    for (const char* call : {"JA1ABC", "JR1XYZ", "7K4AAA", "W1AW", "JA0ZZ/3"}) {
        doc.add(qsoAt(1, 1000, "7", "CW", call));
    }
    doc.add(qsoAt(1, 1130, "7", "SSB", "JH9AAA"));
    doc.add(qsoAt(1, 1140, "10G", "SSB", "JH2AAA"));
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(ui.messageTexts()[1], "不正なデータ:\nW1AW");
    EXPECT_EQ(report(".QAA"),
              "＜時間およびエリアごとの交信局数＞　（括弧内は電信の内数）\n"
              "\n"
              "[7 MHz]\n"
              "         1     2     3     4     5     6     7     8     9     0     合計    累積\n"
              "\n"
              " [10]    3(3)  -     1(1)  -     -     -     -     -     -     -      5(5)    5(5)\n"
              " [11]    -     -     -     -     -     -     -     -     1     -      1       6(5)\n"
              "\n"
              "Total    3     -     1     -     -     -     -     -     1     -      6\n"
              "        (3)         (1)                                              (5)\n"
              "\n"
              "\n"
              "[10.1 GHz]\n"
              "         1     2     3     4     5     6     7     8     9     0     合計    累積\n"
              "\n"
              " [10]    -     -     -     -     -     -     -     -     -     -      -       0\n"
              " [11]    -     1     -     -     -     -     -     -     -     -      1       1\n"
              "\n"
              "Total    -     1     -     -     -     -     -     -     -     -      1\n"
              "\n");
}

TEST_F(RateReports, QagBarsStopAt67) {
    select(false, false, true, false);
    options(false, true, false, true);
    addQsos(doc, 67, 1000, "7");
    addQsos(doc, 1, 1100, "14");
    addQsos(doc, 68, 1200, "7");
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAG"),
              "＜グラフ＞\n"
              "\n"
              "[7 MHz]\n"
              " [10]  67  *******************************************************************\n"
              " [12]  68  *******************************************************************+\n"
              "Total 135\n"
              "\n"
              "[14 MHz]\n"
              " [11]   1  *\n"
              "Total   1\n"
              "\n");
}

TEST_F(RateReports, QaqOfThreeHours) {
    select(false, false, false, true);
    addQsos(doc, 5, 1000, "7");
    addQsos(doc, 1, 1000, "14");
    addQsos(doc, 3, 1100, "14");
    addQsos(doc, 2, 1200, "7");
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAQ"),
              "＜タイムチャート＞\n"
              "\n"
              "    | 10 11 12|合計\n"
              "----+---------+----\n"
              "   7|  5  -  2|   7\n"
              "  14|  1  3  -|   4\n"
              "----+---------+----\n"
              "合計|  6  3  2|  11\n"
              "累計|       11|\n"
              "\n"
              "\n");
}

// One QSO on 7 MHz in each of `hours` hours from 00:00 of day 1, and a
// second on 21 MHz in the first hour.
void addHours(CSorvakDoc& doc, int hours) {
    doc.add(qsoAt(1, 0, "21"));
    for (int h = 0; h < hours; ++h) {
        doc.add(qsoAt(1 + h / 24, h % 24 * 100 + 10));
    }
}

TEST_F(RateReports, QaqOf24HoursIsOneBlock) {
    select(false, false, false, true);
    options(false, false, true, false);
    addHours(doc, 24);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAQ"),
              "＜タイムチャート＞\n"
              "\n"
              "    | 00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23|合計\n"
              "----+------------------------------------------------------------------------+----\n"
              "   7|  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1|  24\n"
              "  21|  1  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -|   1\n"
              "----+------------------------------------------------------------------------+----\n"
              "合計|  2  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1|  25\n"
              "\n"
              "\n");
}

TEST_F(RateReports, QaqOf30HoursHasSubtotalsAndARunningTotal) {
    select(false, false, false, true);
    addHours(doc, 30);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAQ"),
              "＜タイムチャート＞\n"
              "\n"
              "    | 00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23|小計\n"
              "----+------------------------------------------------------------------------+----\n"
              "   7|  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1|  24\n"
              "  21|  1  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -|   1\n"
              "----+------------------------------------------------------------------------+----\n"
              "合計|  2  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1|  25\n"
              "累計|        4        7       10       13       16       19       22       25|\n"
              "\n"
              "    | 00 01 02 03 04 05|小計|合計\n"
              "----+------------------+----+----\n"
              "   7|  1  1  1  1  1  1|   6|  30\n"
              "  21|  -  -  -  -  -  -|   0|   1\n"
              "----+------------------+----+----\n"
              "合計|  1  1  1  1  1  1|   6|  31\n"
              "累計|       28       31|\n"
              "\n"
              "\n");
}

}  // namespace
}  // namespace sorvak
