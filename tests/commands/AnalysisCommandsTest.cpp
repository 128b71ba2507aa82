#include "commands/AnalysisCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FullDisk.h"
#include "reports/AnalysisFlags.h"
#include "reports/ReportTestLog.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using test::addContest;

using Analysis = test::AnalysisTest;

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
    EXPECT_EQ(writeAnalysis(doc, again, "", dir.path()), AnalysisOutcome::Written);
}

TEST_F(Analysis, ACancelledAreaQuestionEndsTheAreaCount) {
    for (const char* call : {"JA1ABC", "W1AW", "JA3XYZ", "K1AA"}) {
        doc.add(test::qsoAt(1, 1000, "7", "CW", call));
    }
    selectOnly(ANALYSIS_QAA);
    ui.answers = {Answer::Ok, Answer::Cancel};
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{
                  "前処理のためデータをソートします。\nよろしいですか?", "不正なデータ:\nW1AW",
                  "交信データ解析ファイルを出力しました。\ncontest.QAA   \n"}));
    EXPECT_EQ(ui.events[1].message.buttons, Buttons::OkCancel);
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

}  // namespace
}  // namespace sorvak
