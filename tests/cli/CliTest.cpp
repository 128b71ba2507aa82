#include "CliCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "formats/BinaryLog.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult runWith(std::vector<std::string> args) {
    args.insert(args.begin(), "sorvak-cli");
    std::vector<const char*> argv;
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out, err;
    int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

class Cli : public ::testing::Test {
  protected:
    std::string sampleLog() {
        CSorvakDoc doc;
        doc.contest() = ContestInfo{1.5, 0, 2, "JA1ZZZ", "\x83\x65\x83\x58\x83\x67"};  // テスト
        QsoParts parts{.year = 2026,
                       .month = 11,
                       .day = 3,
                       .hhmm = 905,
                       .callSign = "JA1ABC",
                       .srst = 599,
                       .sent = "10H",
                       .rrst = 0,
                       .rcvd = "13M",
                       .multi = "13",
                       .bandText = "7",
                       .modeText = "CW",
                       .powerLetter = 'M',
                       .points = 1,
                       .txNumber = 0,
                       .operatorName = "OP",
                       .memo = "\x83\x81\x83\x82\xFF"};
        doc.add(std::make_unique<QsoRecord>(parts));
        doc.add(test::qso("JA1AAA", 1));
        return dir.write("log.qgb", writeBinaryLog(doc));
    }
    test::TempDir dir;
};

TEST_F(Cli, DumpPrintsTheHeaderAndEveryCell) {
    CliResult r = runWith({"dump", sampleLog()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(
        r.out,
        "version\t1.5\nutc\t0\ncoefficient\t2\nstation\tJA1ZZZ\ncontest\tテスト\n\n"
        "1\t11/3\t0905\tJA1ABC\t599\t10H\t\t13M\t13\t*\t\t\t7\tCW\tM\t0\t1\tOP\tメモ\xEF\xBF\xBD\n"
        "2\t11/21\t0001\tJA1AAA\t\t\t\t\t\t\t\t\t7\tCW\tH\t0\t1\t\t\n");
}

TEST_F(Cli, CommonOptionsApplyInOrder) {
    std::string log = sampleLog();
    CliResult r = runWith(
        {"dump", log, "--sort", "call-ascii", "--append", log, "--sort", "time", "--merge", log});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.err,
        "前処理のためデータをソートします。 よろしいですか?\n0個のQSOデータをマージしました。\n");
    std::istringstream lines(r.out);
    std::vector<std::string> calls;
    for (std::string line; std::getline(lines, line);) {
        auto tab1 = line.find('\t');
        auto tab3 = line.find('\t', line.find('\t', tab1 + 1) + 1);
        if (tab3 != std::string::npos && line.find('\t', tab3 + 1) != std::string::npos) {
            calls.push_back(line.substr(tab3 + 1, line.find('\t', tab3 + 1) - tab3 - 1));
        }
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"JA1ABC", "JA1ABC", "JA1AAA", "JA1AAA"}));
}

TEST_F(Cli, AnswerNoRefusesTheMergeSort) {
    std::string log = sampleLog();
    CliResult r = runWith({"dump", log, "--answer", "no", "--merge", log});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "前処理のためデータをソートします。 よろしいですか?\n");
}

TEST_F(Cli, ConvertWritesTheBinaryLogByteForByte) {
    std::string log = sampleLog();
    std::string out = dir.file("copy.QgB");
    CliResult r = runWith({"convert", log, out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::readFile(out), test::readFile(log));
    EXPECT_EQ(runWith({"convert", log, dir.file("copy.bin"), "--to", "qgb"}).status, 0);
    EXPECT_EQ(test::readFile(dir.file("copy.bin")), test::readFile(log));
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    std::string log = sampleLog();
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"show", log},
             {"dump"},
             {"dump", log, "extra"},
             {"dump", log, "--sort"},
             {"dump", log, "--sort", "colour"},
             {"dump", log, "--answer", "maybe"},
             {"dump", log, "--frobnicate", "x"},
             {"dump", log, "--to", "qgb"},
             {"convert", log},
             {"convert", log, dir.file("out.xyz")},
             {"convert", log, dir.file("out"), "--to", "pdf"},
         }) {
        CliResult r = runWith(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("usage: sorvak-cli dump FILE"), std::string::npos);
    }
}

TEST_F(Cli, HelpPrintsTheUsageOnStandardOutput) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"convert", "--help"}}) {
        CliResult r = runWith(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.substr(0, 30), "usage: sorvak-cli dump FILE [C");
        EXPECT_EQ(r.err, "");
    }
    // As the value of an option it is only a value.
    EXPECT_EQ(runWith({"dump", sampleLog(), "--sort", "--help"}).status, 2);
}

TEST_F(Cli, FailuresExitWithOne) {
    EXPECT_EQ(runWith({"dump", dir.file("missing.qgb")}).status, 1);
    CliResult unknown = runWith({"dump", dir.write("x.dat", "plain text\n")});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n')), "ファイルの形式が不明です。");
    EXPECT_EQ(runWith({"dump", sampleLog(), "--append", dir.file("missing")}).status, 1);
    EXPECT_EQ(runWith({"convert", sampleLog(), dir.file("no/such/dir/out.qgb")}).status, 1);
    std::string csv = dir.write("csv.txt", "1,2,3,4,5,6,7,8,9,10,11\r\n");
    CliResult refused = runWith({"dump", sampleLog(), "--append", csv});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "このﾌｧｲﾙの形式は読み込めません。 " + csv + "\nsorvak-cli: " + csv +
                               ": no reader for this file's format\n");
    // A file of a format that has a reader but holds no QSO says so once.
    CliResult empty = runWith({"dump", dir.write("empty.adi", "header\r\n<EOH>\r\n")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "ADIFﾌｧｲﾙから読み込めるQSOﾃﾞｰﾀがありません。\n");
}

TEST(CliProgram, RunsAsItsOwnProcess) {
    std::string command = std::string(SORVAK_CLI_PATH) + " dump " + SORVAK_SOURCE_DIR +
                          "/examples/sample.qgb > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(std::system((std::string(SORVAK_CLI_PATH) + " 2>/dev/null").c_str()), 0);
}

TEST(SampleLog, TheGeneratorMakesTheBundledFile) {
    test::TempDir dir;
    std::string made = dir.file("sample.qgb");
    ASSERT_EQ(std::system((std::string(SORVAK_SAMPLE_TOOL) + " " + made).c_str()), 0);
    std::string bundled = test::readFile(std::string(SORVAK_SOURCE_DIR) + "/examples/sample.qgb");
    EXPECT_EQ(test::readFile(made), bundled);
    EXPECT_EQ(bundled.size() % kRecordSize, 0u);
    EXPECT_GE(bundled.size() / kRecordSize, 250u);
}

}  // namespace
}  // namespace sorvak
