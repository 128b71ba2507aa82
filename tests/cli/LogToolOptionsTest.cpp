#include <gtest/gtest.h>

#include <filesystem>

#include "formats/BinaryLog.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

using test::runCliWith;

class LogToolOptions : public ::testing::Test {
  protected:
    LogToolOptions() {
        CSorvakDoc doc;
        doc.contest() = ContestInfo{1.0, 0, 1, "JA1ZZZ", "TEST"};
        auto add = [&doc](int hhmm, const char* band, const char* mode, const char* memo) {
            doc.add(std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                         .month = 11,
                                                         .day = 3,
                                                         .hhmm = hhmm,
                                                         .callSign = "JA1ABC",
                                                         .srst = 599,
                                                         .sent = "10H",
                                                         .rrst = 599,
                                                         .rcvd = "13M",
                                                         .bandText = band,
                                                         .modeText = mode,
                                                         .powerLetter = 'H',
                                                         .points = 1,
                                                         .memo = memo}));
        };
        add(500, "7", "CW", "");
        add(1030, "14", "SSB", "");
        add(500, "7", "CW", "-DUPE- ");
        log = dir.write("log.qgb", writeBinaryLog(doc));
    }

    // The QSO lines of a dump with the options.
    std::string qsos(std::vector<std::string> options) {
        options.insert(options.begin(), {"dump", log});
        test::CliResult r = runCliWith(options);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out.substr(r.out.find("\n\n") + 2);
    }

    test::TempDir dir;
    std::string log;
};

TEST_F(LogToolOptions, BulkShiftAndContestDataMoveALogToUtc) {
    test::CliResult r =
        runCliWith({"dump", log, "--bulk", "shift=-9:00", "--contest-data", "utc=1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "version\t1\nutc\t1\ncoefficient\t1\nstation\tJA1ZZZ\ncontest\tTEST\n\n"
              "1\t11/2\t2000\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t7\tCW\tH\t0\t1\t\t\n"
              "2\t11/3\t0130\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t14\tSSB\tH\t0\t1\t\t\n"
              "3\t11/2\t2000\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t7\tCW\tH\t0\t1\t\t-DUPE- \n");
    std::string earlier = qsos({"--bulk", "shift=-0:30", "--bulk", "date=2027-01-15"});
    EXPECT_EQ(earlier.substr(0, earlier.find('\n')),
              "1\t1/15\t0430\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t7\tCW\tH\t0\t1\t\t");
}

TEST_F(LogToolOptions, ConditionsApplyToTheBulkOptionsAfterThem) {
    EXPECT_EQ(
        qsos({"--bulk", "operator=JA1XYZ", "--only-band", "7", "--bulk", "power=L", "--only-band",
              "", "--only-mode", "SSB", "--bulk", "memo=a=b, c"}),
        "1\t11/3\t0500\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t7\tCW\tL\t0\t1\tJA1XYZ\t\n"
        "2\t11/3\t1030\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t14\tSSB\tH\t0\t1\tJA1XYZ\ta=b, c\n"
        "3\t11/3\t0500\tJA1ABC\t599\t10H\t599\t13M\t\t\t\t\t7\tCW\tL\t0\t1\tJA1XYZ\t-DUPE- \n");
}

TEST_F(LogToolOptions, SentNumberMultipliersAndDupes) {
    EXPECT_EQ(qsos({"--sent-number", "599 25", "--number-to-multi", "1", "--delete-dupes", "--bulk",
                    "rcvd=12AB3", "--number-to-multi-digits", "0", "--bulk", "tx=255"}),
              "1\t11/3\t0500\tJA1ABC\t599\t599 25\t599\t12AB3\t12\t\t\t\t7\tCW\tH\t255\t1\t\t\n"
              "2\t11/3\t1030\tJA1ABC\t599\t599 25\t599\t12AB3\t12\t\t\t\t14\tSSB\tH\t255\t1\t\t\n");
    test::CliResult kept = runCliWith({"dump", log, "--answer", "no", "--delete-dupes"});
    EXPECT_EQ(kept.err, "前処理のためデータをソートします。 よろしいですか?\n");
    test::CliResult marked = runCliWith({"dump", log, "--delete-dupes"});
    EXPECT_EQ(marked.err,
              "前処理のためデータをソートします。 よろしいですか?\n"
              "DUPE QSOデータをチェックします\n"
              "DUPE QSOデータが選択されました。 不要な場合は削除して下さい。\n");
}

TEST_F(LogToolOptions, RefusedValuesExitWithOneAndWriteNothing) {
    std::string out = dir.file("out.qgb");
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{"--bulk", "power=p"}, "ﾊﾟﾜｰ p は不正です。\n"},
        {{"--bulk", "band=1.8"}, "ﾊﾞﾝﾄﾞ 1.8 は不正です。\n"},
        {{"--bulk", "tx=256"}, "0 から 255 までの整数を入力してください。\n"},
        {{"--bulk", "shift=+24:00"}, "-23 から 23 までの整数を入力してください。\n"},
        {{"--bulk", "date=2026-13-01"}, "1 から 12 までの整数を入力してください。\n"},
        {{"--bulk", "operator=OPERATOR-NUMBER-1"}, "14 文字以内で入力してください。\n"},
        {{"--number-to-multi", "1.5"}, "整数を入力してください。\n"},
        {{"--contest-data", "coefficient=x"}, "整数を入力してください。\n"},
        {{"--sent-number", "\xF0\x9F\x98\x80"}, "この欄には使用できない文字が含まれています。\n"},
    };
    for (const auto& [options, message] : refusals) {
        std::vector<std::string> args = {"convert", log, out};
        args.insert(args.end(), options.begin(), options.end());
        test::CliResult r = runCliWith(args);
        EXPECT_EQ(r.status, 1) << options[1];
        EXPECT_EQ(r.err, message);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    for (const auto& options : std::vector<std::vector<std::string>>{
             {"--bulk", "power"},
             {"--bulk", "colour=red"},
             {"--bulk", "date=2026/11/03"},
             {"--bulk", "shift=9"},
             {"--contest-data", "utc=2"},
             {"--contest-data", "version=2"},
             {"--sent-number"},
         }) {
        std::vector<std::string> args = {"dump", log};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(runCliWith(args).status, 2) << options.back();
    }
}

}  // namespace
}  // namespace sorvak
