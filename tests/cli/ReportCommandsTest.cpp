#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommand.h"
#include "formats/BinaryLog.h"
#include "platform/Cp932.h"
#include "reports/ReportTestLog.h"
#include "support/InFolder.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

struct CliRun {
    int status;
    std::string err;
};

// Runs sorvak-cli in the folder `out`, on a log kept in another folder.
class ReportCommands : public ::testing::Test {
  protected:
    ReportCommands() : here(out.path()) {
        CSorvakDoc doc;
        doc.add(test::qsoAt(1, 1000, "7", "CW", "JA1ABC/1"));
        doc.add(test::qsoAt(1, 1130, "21", "SSB", "JA1LONGCALLX"));
        log = logs.write("contest.qgb", writeBinaryLog(doc));
    }

    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), "sorvak-cli");
        std::vector<const char*> argv;
        for (const auto& arg : args)
            argv.push_back(arg.c_str());
        std::ostringstream stdoutText, stderrText;
        int status = runCli(static_cast<int>(argv.size()), argv.data(), stdoutText, stderrText);
        return {status, stderrText.str()};
    }
    std::vector<std::string> written() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(out.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir logs;
    test::TempDir out;
    test::InFolder here;
    std::string log;
};

TEST_F(ReportCommands, ChecklistWritesIntoTheCurrentFolder) {
    CliRun r = run({"checklist", log, "--stations-per-line", "2", "--chars-per-station", "3",
                    "--no-portable"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        r.err.ends_with("\n重複ﾁｪｯｸﾘｽﾄ    contest.7D.TXT   contest.21D.TXT  を出力しました。\n"))
        << r.err;
    EXPECT_EQ(written(), (std::vector<std::string>{"contest.21D.TXT", "contest.7D.TXT"}));
    // 13 characters per station: the longest call + 1.
    EXPECT_EQ(test::textOfCrLfFile(out.file("contest.7D.TXT")),
              "    ---  Check List  Band: 7 MHz  ---\n\n[C] JA1ABC\n\n  ---  Stations: 1 ---\n");
}

TEST_F(ReportCommands, ChecklistRefusesNumbersOutOfRange) {
    for (const char* value : {"0", "1000", "x"}) {
        CliRun r = run({"checklist", log, "--chars-per-station", value});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("整数を入力してください。"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(written().empty());
}

TEST_F(ReportCommands, AnalyzeWritesTheSelectedReports) {
    CliRun r = run({"analyze", log});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), (std::vector<std::string>{"contest.QAF", "contest.QAQ"}));
    EXPECT_TRUE(
        r.err.ends_with("\n前処理のためデータをソートします。 よろしいですか?\n"
                        "交信データ解析ファイルを出力しました。 contest.QAF    "
                        "contest.QAQ    \n"))
        << r.err;
    r = run({"analyze", log, "--reports", "qag,qaa", "--no-zero-hours", "--double-score",
             "--no-cumulative", "--no-cw-subcount", "--multi-data", "m.dat"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(cp932ToUtf8(test::textOfCrLfFile(out.file("contest.QAG"))),
              "＜グラフ＞\n\n[7 MHz]\n [10]   1  *\nTotal   1\n\n[21 MHz]\n [11]   1  *\nTotal   "
              "1\n\n");
}

TEST_F(ReportCommands, AnalyzeExitStatus) {
    EXPECT_EQ(run({"analyze", log, "--answer", "no"}).status, 0);
    EXPECT_TRUE(written().empty());
    std::filesystem::create_directory(out.file("contest.QAF"));
    EXPECT_EQ(run({"analyze", log}).status, 1);
    EXPECT_EQ(written(), (std::vector<std::string>{"contest.QAF", "contest.QAQ"}));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"analyze", log, "--reports", "qzz"},
             {"analyze", log, "--reports", "qaf,,qaq"},
             {"analyze", log, "--reports"},
             {"analyze", log, "--no-portable"},
             {"checklist", log, "--double-score"},
             {"dump", log, "--stations-per-line", "3"},
             {"checklist", log, "extra"},
         }) {
        CliRun usage = run(args);
        EXPECT_EQ(usage.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(usage.err.find("sorvak-cli analyze FILE"), std::string::npos);
    }
}

}  // namespace
}  // namespace sorvak
