#include "commands/CheckListCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

class CheckList : public ::testing::Test {
  protected:
    CheckList() { doc.setTitle("/logs/contest.qgb"); }

    void layout(int perLine, int width, int showPortable = 1) {
        ReportSettings s = doc.reportSettings();
        s.stationsPerLine = perLine;
        s.charsPerStation = width;
        s.showPortable = showPortable;
        doc.setReportSettings(s);
    }
    void add(int hhmm, const char* call, const char* band = "7") {
        doc.add(qsoAt(1, hhmm, band, "CW", call));
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
};

TEST_F(CheckList, GroupsByLastLetterInTimeOrder) {
    layout(3, 8);
    add(1000, "JH1ZZA");
    add(1100, "JA2ABC");
    add(900, "JA1XYA");
    add(1000, "7K1AAA");  // the same time as JH1ZZA: keeps its place behind it
    add(1200, "JR1QQA");
    EXPECT_EQ(writeCheckListFiles(doc, ui, dir.path()), CheckListOutcome::Written);
    EXPECT_EQ(test::readFile(dir.file("contest.7D.TXT")),
              "     ---  Check List  Band: 7 MHz  ---\r\n"
              "\r\n"
              "[A] JA1XYA  JH1ZZA  7K1AAA\r\n"
              "    JR1QQA\r\n"
              "\r\n"
              "[C] JA2ABC\r\n"
              "\r\n"
              " ---  Stations: 5 ---\r\n");
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"重複ﾁｪｯｸﾘｽﾄ\n\n  contest.7D.TXT\n\nを出力しました。"}));
}

TEST_F(CheckList, OneStationPerLineAndPortablesHidden) {
    layout(1, 10, 0);
    doc.setTitle("/logs/nodot");
    add(1000, "JA1ABC/1", "1.9");
    add(1001, "JA1ABC/1", "1.9");
    add(1002, "JA1ABC/P", "10G");
    add(1003, "JA1ABCDEFGHIJK", "10G");
    EXPECT_EQ(writeCheckListFiles(doc, ui, dir.path()), CheckListOutcome::Written);
    EXPECT_EQ(files(), (std::vector<std::string>{"nodot.10GD.TXT", "nodot.1R9D.TXT"}));
    EXPECT_EQ(test::textOfCrLfFile(dir.file("nodot.1R9D.TXT")),
              "            ---  Check List  Band: 1.9 MHz  ---\n"
              "\n"
              "[C] JA1ABC\n"
              "    JA1ABC\n"
              "\n"
              "      ---  Stations: 2 ---\n");
    EXPECT_EQ(test::textOfCrLfFile(dir.file("nodot.10GD.TXT")),
              "            ---  Check List  Band: 10G MHz  ---\n"
              "\n"
              "[C] JA1ABC/P\n"
              "\n"
              "[K] JA1ABCDEFGHIJK\n"
              "\n"
              "      ---  Stations: 2 ---\n");
    EXPECT_EQ(ui.messageTexts().back(),
              "重複ﾁｪｯｸﾘｽﾄ\n\n  nodot.1R9D.TXT\n  nodot.10GD.TXT\n\nを出力しました。");
}

TEST_F(CheckList, LongCallsPushTheNextStationRight) {
    layout(2, 4);
    add(1000, "JA1ABCDE");
    add(1001, "JA1XE");
    EXPECT_EQ(writeCheckListFiles(doc, ui, dir.path()), CheckListOutcome::Written);
    EXPECT_EQ(test::textOfCrLfFile(dir.file("contest.7D.TXT")),
              "             ---  Check List  Band: 7 MHz  ---\n"
              "\n"
              "[E] JA1ABCDE    JA1XE\n"
              "\n"
              "       ---  Stations: 2 ---\n");
}

TEST_F(CheckList, CallsWithoutALastLetterAreShownAndLeftOut) {
    add(1000, "JA1AB1");
    add(1001, "");
    EXPECT_EQ(writeCheckListFiles(doc, ui, dir.path()), CheckListOutcome::NoData);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"Invalid Last Letter: JA1AB1  ",
                                        "Invalid Last Letter:   ", "データがありません。"}));
    EXPECT_TRUE(files().empty());
}

TEST_F(CheckList, AFileThatCannotBeWrittenEndsTheCommand) {
    add(1000, "JA1ABC", "3.5");
    add(1000, "JA1ABC", "7");
    add(1000, "JA1ABC", "14");
    std::filesystem::create_directory(dir.file("contest.7D.TXT"));
    EXPECT_EQ(writeCheckListFiles(doc, ui, dir.path()), CheckListOutcome::WriteFailed);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"ﾌｧｲﾙに書き込めませんでした。\ncontest.7D.TXT"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"contest.3R5D.TXT", "contest.7D.TXT"}));
}

}  // namespace
}  // namespace sorvak
