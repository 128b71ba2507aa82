#include <gtest/gtest.h>

#include <filesystem>

#include "reports/AnalysisFlags.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

// Every continent, Japan without a continent of its own, and the prefixes
// K, KH6 and KH6K.
const char* const kCountryFile =
    "cqww.dat\n"
    "United States              5   K      NA\n"
    "    K,W,\n"
    "    N;\n"
    "Hawaii                    31   KH6    OC\n"
    "    KH6;\n"
    "Kure Island               31   KH7K   OC\n"
    "    KH6K;\n"
    "Japan                     25   JA\n"
    "    JA,JR,7K;\n"
    "Fed. Rep. of Germany      14   DL     EU\n"
    "    DL,DK;\n"
    "Brazil                    11   PY     SA\n"
    "    PY;\n"
    "South Africa              38   ZS     AF\n"
    "    ZS;\n"
    "Antarctica                13   CE9    AN\n"
    "    CE9,KC4;\n";

class CountReports : public test::AnalysisTest {
  protected:
    void add(int hhmm, const char* band, const char* mode, const char* call) {
        doc.add(qsoAt(1, hhmm, band, mode, call));
    }
    AnalysisOutcome analyseWithCountries() {
        return writeAnalysis(doc, ui, dir.write("CQWW.DAT", kCountryFile), dir.path());
    }
};

TEST_F(CountReports, QcnResolvesEachShapeOfCallAndCountsCwApart) {
    add(1000, "7", "CW", "JA1ABC");
    add(1001, "14", "SSB", "KH6ABC");       // KH6, not K, not KH6K
    add(1002, "7", "CW", "KH6/JA1ABC");     // the whole call
    add(1003, "14", "SSB", "JA1ABC/KH6");   // its second part
    add(1004, "7", "CW", "JA1ABC/1");       // the whole call
    add(1005, "14", "SSB", "W1/JA1ABC/P");  // the whole call: W
    add(1006, "7", "CW", "XX9XX");          // not resolved, not counted
    selectOnly(ANALYSIS_QCN);
    EXPECT_EQ(analyseWithCountries(), AnalysisOutcome::Written);
    EXPECT_EQ(ui.messageTexts()[1], "判別不能なコールサイン: XX9XX");
    EXPECT_EQ(report(".QCN"),
              "＜大陸別の交信局数＞　（括弧内は電信の内数）\n"
              "\n"
              "\n"
              "                   7       14       ALL             %\n"
              "\n"
              "North America      -        1         1         16.67\n"
              "South America      -        -         -          0.00\n"
              "Europe             -        -         -          0.00\n"
              "Asia               2(2)     -         2(2)      33.33\n"
              "Africa             -        -         -          0.00\n"
              "Oceania            1(1)     2         3(1)      50.00\n"
              "Antarctica         -        -         -          0.00\n"
              "\n"
              "Total              3(3)     3         6(3)\n");
}

TEST_F(CountReports, QcnSharesWithoutCwSubcounts) {
    for (int i = 0; i < 200; ++i) {
        add(1000, "7", "SSB", i < 25 ? "DL1ABC" : "JA1ABC");
    }
    selectOnly(ANALYSIS_QCN);
    options(false, true, true, false);
    EXPECT_EQ(analyseWithCountries(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QCN"),
              "＜大陸別の交信局数＞\n"
              "\n"
              "                   7    ALL       %\n"
              "\n"
              "North America      -      -    0.00\n"
              "South America      -      -    0.00\n"
              "Europe            25     25   12.50\n"
              "Asia             175    175   87.50\n"
              "Africa             -      -    0.00\n"
              "Oceania            -      -    0.00\n"
              "Antarctica         -      -    0.00\n"
              "\n"
              "Total            200    200\n");
}

TEST_F(CountReports, QcnWithoutAUsableCountryFileFails) {
    add(1000, "7", "CW", "JA1ABC");
    selectOnly(ANALYSIS_QCN);
    EXPECT_EQ(writeAnalysis(doc, ui, dir.write("CQWW.DAT", "cty.dat\n"), dir.path()),
              AnalysisOutcome::ReportFailed);
    EXPECT_EQ(writeAnalysis(doc, ui, dir.file("none/CQWW.DAT"), dir.path()),
              AnalysisOutcome::ReportFailed);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{
                  "前処理のためデータをソートします。\nよろしいですか?",
                  "定義ファイルの形式が違います。\n", "交信データ解析ファイルを出力しました。\n",
                  "前処理のためデータをソートします。\nよろしいですか?",
                  "定義ファイル \"" + dir.file("none/CQWW.DAT") + "\" をオープンできません。\n",
                  "交信データ解析ファイルを出力しました。\n"}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("contest.QCN")));
}

TEST_F(CountReports, QopListsOperatorsInOrderOfFirstAppearance) {
    auto add = [&](int hhmm, const char* band, const char* mode, const char* op, int m1, int m2) {
        auto q = qsoAt(1, hhmm, band, mode);
        q->setOperatorName(op);
        q->setNewMulti(m1);
        q->setNewMulti2(m2);
        doc.add(std::move(q));
    };
    add(1000, "7", "CW", "", 1, 1);  // both flags: 1 for its operator, 2 in the Total
    add(1001, "14", "SSB", "JA1A", 1, 0);
    add(1002, "14", "CW", "", 0, 0);
    add(1003, "7", "SSB", "JA1A", 0, 0);
    selectOnly(ANALYSIS_QOP);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QOP"),
              "＜オペレータ別交信局数＞　（括弧内は電信の内数）\n"
              "\n"
              "          7       14       ALL\n"
              "\n"
              "Op?       1(1)     1(1)      2(2)\n"
              "JA1A      1        1         2\n"
              "\n"
              "Total     2(1)     2(1)      4(2)\n"
              "\n"
              "\n"
              "＜オペレータ別取得マルチ＞　（括弧内は電信の内数）\n"
              "\n"
              "          7       14       ALL\n"
              "\n"
              "Op?       1(1)     -         1(1)\n"
              "JA1A      -        1         1\n"
              "\n"
              "Total     2(2)     1         3(2)\n");
}

TEST_F(CountReports, QopWidensTheNameColumnToTheLongestName) {
    auto q = qsoAt(1, 1000, "7", "SSB");
    q->setOperatorName("JR1WXXX");
    doc.add(std::move(q));
    selectOnly(ANALYSIS_QOP);
    options(false, true, true, false);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QOP"),
              "＜オペレータ別交信局数＞\n"
              "\n"
              "            7    ALL\n"
              "\n"
              "JR1WXXX     1      1\n"
              "\n"
              "Total       1      1\n"
              "\n"
              "\n"
              "＜オペレータ別取得マルチ＞\n"
              "\n"
              "            7    ALL\n"
              "\n"
              "JR1WXXX     -      -\n"
              "\n"
              "Total       -      -\n");
}

}  // namespace
}  // namespace sorvak
