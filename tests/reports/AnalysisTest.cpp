#include "reports/Analysis.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Cp932.h"
#include "platform/FullDisk.h"
#include "reports/AnalysisFlags.h"
#include "reports/AnalysisForm.h"
#include "reports/RateReports.h"
#include "reports/ReportRun.h"
#include "reports/ReportTestLog.h"
#include "support/InFolder.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using test::qsoAt;

using Analysis = test::AnalysisTest;

// Two bands over three hours, the middle one empty: CW and SSB, multipliers,
// one QSO with both multiplier flags.
void addContest(CSorvakDoc& doc) {
    auto add = [&](int hhmm, const char* band, const char* mode, int points, int m1, int m2) {
        auto q = qsoAt(1, hhmm, band, mode);
        q->setPoints(points);
        q->setNewMulti(m1);
        q->setNewMulti2(m2);
        doc.add(std::move(q));
    };
    add(1200, "21", "SSB", 2, 1, 0);
    add(1000, "7", "CW", 1, 1, 0);
    add(1001, "7", "CW", 1, 0, 0);
    add(1002, "7", "SSB", 1, 1, 1);
    add(1230, "21", "CW", 2, 0, 0);
}

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

TEST_F(Analysis, RefusalsComeBeforeTheSortQuestion) {
    EXPECT_EQ(analyse(), AnalysisOutcome::NoData);
    addContest(doc);
    select(false, false, false, false);
    EXPECT_EQ(analyse(), AnalysisOutcome::NoReport);
    select(true, false, false, false);
    ui.answers = {Answer::Cancel};
    EXPECT_EQ(analyse(), AnalysisOutcome::Cancelled);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"解析すべきデータがありません。",
                                        "出力ファイルが選択されていません。",
                                        "前処理のためデータをソートします。\nよろしいですか?"}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("contest.QAF")));
    EXPECT_EQ(doc.at(0).hhmm(), 1200);  // not sorted
}

TEST_F(Analysis, DeclinedAndUnwritableReportsAreLeftOutOfTheResult) {
    addContest(doc);
    select(true, false, true, true);
    dir.write("contest.QAG", "kept");
    std::filesystem::create_directory(dir.file("contest.QAQ"));
    ui.answers = {Answer::Ok, Answer::No, Answer::Yes};
    EXPECT_EQ(analyse(), AnalysisOutcome::ReportFailed);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{
                                     "前処理のためデータをソートします。\nよろしいですか?",
                                     "すでに contest.QAG が存在します。\n上書きしていいですか？",
                                     "すでに contest.QAQ が存在します。\n上書きしていいですか？",
                                     "書きこみファイルをオープンできません。",
                                     "交信データ解析ファイルを出力しました。\ncontest.QAF   \n"}));
    EXPECT_EQ(ui.events[1].message.buttons, Buttons::YesNo);
    EXPECT_EQ(test::readFile(dir.file("contest.QAG")), "kept");
    EXPECT_EQ(doc.at(0).hhmm(), 1000);  // sorted by time
    EXPECT_EQ(ui.waitDepth, 0);

    ScriptedUi again;
    again.answers = {Answer::Ok, Answer::No};
    select(false, false, true, false);
    EXPECT_EQ(writeAnalysis(doc, again, ""), AnalysisOutcome::Written);
}

TEST_F(Analysis, AReportThatCannotBeWrittenIsReported) {
    addContest(doc);
    select(true, false, false, false);
    EXPECT_TRUE(test::holdsOnAFullDisk(64, [&] {
        return analyse() == AnalysisOutcome::ReportFailed &&
               ui.messageTexts() ==
                   std::vector<std::string>{"前処理のためデータをソートします。\nよろしいですか?",
                                            "書きこみファイルが異常です。", "contest.QAF",
                                            "交信データ解析ファイルを出力しました。\n"};
    }));
    EXPECT_FALSE(std::filesystem::exists(dir.file("contest.QAF")));
}

TEST(QafReport, ScoreBeyond32BitsAndTheTenGigahertzBand) {
    test::TempDir dir;
    test::InFolder here(dir.path());
    AnalysisTally tally;
    tally.hours.resize(1);
    tally.hours[0].hour = 5;
    tally.hourCount = 1;
    tally.totals.count[0][0] = tally.totals.count[16][0] = 70000;
    tally.totals.points[0] = tally.totals.points[16] = 70000;
    tally.totals.newMultis[0] = tally.totals.newMultis[16] = 70000;
    CSorvakDoc doc;
    ScriptedUi ui;
    ReportRun run{.qsoList = doc.qsoList(),
                  .flags = ANALYSIS_QAF | ANALYSIS_DOUBLE_SCORE,
                  .baseName = "big",
                  .tally = tally,
                  .ui = ui};
    ASSERT_TRUE(writeQaf(run));
    std::string text = cp932ToUtf8(test::textOfCrLfFile(dir.file("big.QAF")));
    EXPECT_NE(text.find(" 10.1 GHz    70000     70000   70000\n"
                        "  合　計     70000     70000 ×70000  × 2  ＝  9800000000\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace sorvak
