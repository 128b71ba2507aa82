#include "reports/CheckList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/CheckListForm.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

class CheckList : public ::testing::Test {
  protected:
    CheckList() : here(dir.path()) { doc.setTitle("/logs/contest.qgb"); }

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
    test::InFolder here;
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
    EXPECT_EQ(writeCheckListFiles(doc, ui), CheckListOutcome::Written);
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
    EXPECT_EQ(writeCheckListFiles(doc, ui), CheckListOutcome::Written);
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
    EXPECT_EQ(writeCheckListFiles(doc, ui), CheckListOutcome::Written);
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
    EXPECT_EQ(writeCheckListFiles(doc, ui), CheckListOutcome::NoData);
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
    EXPECT_EQ(writeCheckListFiles(doc, ui), CheckListOutcome::WriteFailed);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"ﾌｧｲﾙに書き込めませんでした。\ncontest.7D.TXT"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"contest.3R5D.TXT", "contest.7D.TXT"}));
}

TEST(LastLetterGroup, SkipsPortableSuffixesAndPrefixes) {
    EXPECT_EQ(lastLetterGroup("JA1ABC"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/1"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/P"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/MM"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("W1AW/JA1"), 'W' - 64);
    EXPECT_EQ(lastLetterGroup("VP2E/K1A"), 'A' - 64);
    EXPECT_EQ(lastLetterGroup("VP2X/K1A"), 'X' - 64);
    EXPECT_EQ(lastLetterGroup("ja1abc"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/BY1"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1AB@"), 0);
    for (const char* invalid : {"JA1AB1", "", "/", "JA1AB\x83"}) {
        int group = lastLetterGroup(invalid);
        EXPECT_TRUE(group < 0 || group > 26) << invalid;
    }
}

TEST(CheckListForm, WidensToTheLongestCallAndTakesOneTo999) {
    CSorvakDoc doc;
    doc.add(qsoAt(1, 1000, "7", "CW", "JA1ABCDEFGHI"));
    CheckListForm form = CheckListForm::prefilledFrom(doc);
    EXPECT_EQ(form.stationsPerLine, "8");
    EXPECT_EQ(form.charsPerStation, "13");
    EXPECT_TRUE(form.showPortable);
    using F = CheckListForm::Field;
    const std::string range = "1 から 999 までの整数を入力してください。";
    const std::pair<std::pair<const char*, const char*>, std::optional<std::pair<F, std::string>>>
        cases[] = {
            {{"0", "8"}, std::pair{F::StationsPerLine, range}},
            {{"abc", "8"}, std::pair{F::StationsPerLine, "整数を入力してください。"}},
            {{"3", "1000"}, std::pair{F::CharsPerStation, range}},
            {{"3", "99999999999999999999"},
             std::pair{F::CharsPerStation, "整数を入力してください。"}},
            {{" 999 ", "+1"}, std::nullopt},
        };
    for (const auto& [values, expected] : cases) {
        form.stationsPerLine = values.first;
        form.charsPerStation = values.second;
        auto failure = form.check();
        ASSERT_EQ(failure.has_value(), expected.has_value()) << values.first;
        if (failure) {
            EXPECT_EQ(failure->field, expected->first);
            EXPECT_EQ(failure->message, expected->second);
        }
    }
    form.showPortable = false;
    form.apply(doc);
    EXPECT_EQ(doc.reportSettings().stationsPerLine, 999);
    EXPECT_EQ(doc.reportSettings().charsPerStation, 1);
    EXPECT_EQ(doc.reportSettings().showPortable, 0);
}

}  // namespace
}  // namespace sorvak
