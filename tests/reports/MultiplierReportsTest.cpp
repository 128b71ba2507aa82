#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "reports/AnalysisFlags.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

class MultiplierReports : public test::AnalysisTest {
  protected:
    // A QSO of day 1 claiming `multi` (and `multi2`, when given) as new.
    void add(int hhmm, const char* band, const std::string& multi, const std::string& multi2 = "") {
        auto q = qsoAt(1, hhmm, band);
        q->setMulti(multi);
        q->setNewMulti(!multi.empty());
        q->setMulti2(multi2);
        q->setNewMulti2(!multi2.empty());
        doc.add(std::move(q));
    }
    // Chooses a data file written into the run's folder.
    void dataFile(const std::string& bytes) {
        ReportSettings s = doc.reportSettings();
        s.multiDataFile = dir.write("multi.dat", bytes);
        doc.setReportSettings(s);
    }
    // A type 0 list of the names.
    void nameList(const std::vector<std::string>& names) {
        std::string bytes = "contest.dat\n";
        for (const auto& name : names) {
            bytes += name + "\n";
        }
        dataFile(bytes);
    }
};

TEST_F(MultiplierReports, ZoneListGivesCountriesAndZonesPerBand) {
    std::string columns(31, ' ');
    dataFile("cqww.dat zones and countries\n" + columns + "JA\n" + columns + "K\n" +
             "Skipped, it has a comma         DL\n" + columns + "DL\nend of list\n" + columns +
             "VK\n");
    add(1000, "14", "3", "JA");
    add(1010, "14", "5", "K");
    add(1105, "7", "3", "JA");
    add(1110, "7", "14");  // a new zone, no new country
    selectOnly(ANALYSIS_QAM | ANALYSIS_QAD);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAM"),
              "＜時間ごとの取得マルチプライヤー＞\n"
              "\n"
              "[7 MHz]\n"
              " [11] JA\n"
              "\n"
              "[14 MHz]\n"
              " [10] JA K\n"
              "\n"
              "\n"
              "＜時間ごとの取得ゾーン＞\n"
              "\n"
              "[7 MHz]\n"
              " [11] 3 14\n"
              "\n"
              "[14 MHz]\n"
              " [10] 3 5\n"
              "\n");
    EXPECT_EQ(report(".QAD"),
              "＜とれたマルチ＞\n"
              "\n"
              "[7 MHz]\n"
              " JA\n"
              "\n"
              "[14 MHz]\n"
              " JA K\n"
              "\n"
              "＜とれなかったマルチ＞\n"
              "\n"
              "[7 MHz]\n"
              " K DL\n"
              "\n"
              "[14 MHz]\n"
              " DL\n"
              "\n"
              "＜マルチマップ＞\n"
              "\n"
              "    J D\n"
              "    AKL\n"
              "   7*..\n"
              "  14**.\n"
              "\n"
              "\n"
              "＜ゾーンマップ＞\n"
              "\n"
              "    0000000001111111111222222222233333333334\n"
              "    1234567890123456789012345678901234567890\n"
              "   7..*..........*..........................\n"
              "  14..*.*...................................\n"
              "\n"
              "\n");
}

TEST_F(MultiplierReports, QamWrapsBeforeColumn80AndStartsAnHourLine) {
    for (int i = 1; i <= 20; ++i) {
        add(1000 + i, "21", "A" + std::to_string(10 + i));
    }
    add(1100, "21", "B1");
    add(1101, "21", "");  // no new multiplier: not listed
    selectOnly(ANALYSIS_QAM);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(report(".QAM"),
              "＜時間ごとの取得マルチプライヤー＞\n"
              "\n"
              "[21 MHz]\n"
              " [10] A11 A12 A13 A14 A15 A16 A17 A18 A19 A20 A21 A22 A23 A24 A25 A26 A27 A28\n"
              "      A29 A30\n"
              " [11] B1\n"
              "\n");
}

TEST_F(MultiplierReports, BuiltInListMarksAllJaNumbersAndAsksAboutOthers) {
    add(1000, "7", "101");
    add(1001, "7", "51");
    selectOnly(ANALYSIS_QAD);
    ui.answers = {Answer::Ok, Answer::Ok};  // the sort, then the invalid multiplier
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    EXPECT_EQ(ui.messageTexts()[1], "無効なマルチ:\n51");
    EXPECT_EQ(ui.events[1].message.buttons, Buttons::OkCancel);
    EXPECT_EQ(report(".QAD"),
              "＜とれたマルチ＞\n"
              "\n"
              "[7 MHz]\n"
              " 101\n"
              "\n"
              "＜とれなかったマルチ＞\n"
              "\n"
              "[7 MHz]\n"
              " 102 103 104 105 106 107 108 109 110 111 112 113 114 02 03 04 05 06 07 08 09 10\n"
              " 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36\n"
              " 37 38 39 40 41 42 43 44 45 46 47 48 49 50\n"
              "\n"
              "＜マルチマップ＞\n"
              "\n"
              "    11111111111111                                                 \n"
              "    000000000111110000000011111111112222222222333333333344444444445\n"
              "    123456789012342345678901234567890123456789012345678901234567890\n"
              "   7*..............................................................\n"
              "\n"
              "\n");

    std::remove(dir.file("contest.QAD").c_str());
    ui.answers = {Answer::Ok, Answer::Cancel};
    EXPECT_EQ(analyse(), AnalysisOutcome::ReportFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("contest.QAD")));
    EXPECT_EQ(ui.messageTexts().back(), "交信データ解析ファイルを出力しました。\n");
}

TEST_F(MultiplierReports, MapOnlyForListsOfAtMost75NamesAnd10GInItsOwnRow) {
    std::vector<std::string> names;
    for (int i = 1; i <= 75; ++i) {
        names.push_back(std::to_string(i));
    }
    nameList(names);
    add(1000, "7", "7");
    add(1001, "10G", "75");
    selectOnly(ANALYSIS_QAD);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    std::string qad = report(".QAD");
    EXPECT_NE(qad.find("\n[10.1 GHz]\n 75\n"), std::string::npos) << qad;
    std::string map = qad.substr(qad.find("＜マルチマップ＞"));
    std::string dots(75, '.');
    EXPECT_EQ(map,
              "＜マルチマップ＞\n\n"
              "             111111111122222222223333333333444444444455555555556666666666777777\n"
              "    123456789012345678901234567890123456789012345678901234567890123456789012345\n"
              "   7" +
                  dots.substr(0, 6) + "*" + dots.substr(7) +
                  "\n"
                  " 10G" +
                  dots.substr(0, 74) +
                  "*\n"
                  "\n\n");

    names.push_back("76");
    nameList(names);
    EXPECT_EQ(analyse(), AnalysisOutcome::Written);
    qad = report(".QAD");
    EXPECT_EQ(qad.find("＜マルチマップ＞"), std::string::npos);
    EXPECT_NE(qad.find("＜とれなかったマルチ＞\n\n[7 MHz]\n 1 2 3 4 5 6 8 9"), std::string::npos);
}

TEST_F(MultiplierReports, UnreadableDataFileFailsBothReports) {
    add(1000, "7", "101");
    ReportSettings s = doc.reportSettings();
    s.multiDataFile = dir.file("missing.dat");
    doc.setReportSettings(s);
    selectOnly(ANALYSIS_QAM | ANALYSIS_QAD);
    EXPECT_EQ(analyse(), AnalysisOutcome::ReportFailed);
    std::string message =
        "マルチデータファイル \"" + dir.file("missing.dat") + "\" をオープンできません。\n";
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{
                                     "前処理のためデータをソートします。\nよろしいですか?", message,
                                     message, "交信データ解析ファイルを出力しました。\n"}));
}

}  // namespace
}  // namespace sorvak
