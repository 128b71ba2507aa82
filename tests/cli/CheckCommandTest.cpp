#include <gtest/gtest.h>

#include "formats/BinaryLog.h"
#include "reports/ReportTestLog.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

class CheckCommand : public ::testing::Test {
  protected:
    CheckCommand() {
        CSorvakDoc doc;
        doc.contest().utcFlag = 1;
        for (const char* call : {"JA1ABC", "JA1AB C", "JA1ABC"}) {
            doc.add(test::qsoAt(1, 2100 + static_cast<int>(doc.count()), "7", "CW", call));
            doc.at(doc.count() - 1).setSent("10H");
            doc.at(doc.count() - 1).setRcvd("10H");
        }
        log = dir.write("contest.qgb", writeBinaryLog(doc));
    }

    test::TempDir dir;
    std::string log;
};

TEST_F(CheckCommand, PrintsTheSummaryAndOneLinePerFinding) {
    test::CliResult r = test::runCliWith(
        {"check", log, "--no-master-calls", "--end", "2026-11-01T21:02", "--dupes", "band"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "交信数 3、警告 3 件、参考 0 件\n"
              "コンテスト期間: 2026/11/01 21:00 から 2026/11/01 21:02 まで (UTC)\n"
              "運用時間: 2分 (休止 0 回、計 0分。60分以上の休止を交信時刻の間隔で数えています)\n"
              "マスターコールリスト: 照合していません\n"
              "種類ごとの件数: コールサイン 1、時刻 1、DUPE 1\n"
              "\n"
              "2\t2026/11/01\t21:01\tJA1AB C\tコールサイン\tコールサイン 'JA1AB C' "
              "に使えない文字があります\n"
              "3\t2026/11/01\t21:02\tJA1ABC\t時刻\tコンテスト終了 (2026/11/01 21:02) "
              "以後の交信です\n"
              "3\t2026/11/01\t21:02\tJA1ABC\tDUPE\tDUPE です (最初の交信は Line 1)\n");
}

TEST_F(CheckCommand, ExitStatuses) {
    EXPECT_EQ(test::runCliWith({"check", log, "--no-master-calls", "--fail-on-findings"}).status,
              3);
    test::CliResult bad = test::runCliWith({"check", log, "--start", "tomorrow"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.ends_with("\n日時は YYYY-MM-DD HH:MM の形で入力してください。\n"))
        << bad.err;
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(test::runCliWith({"check", log, "--break-counting", "hours"}).status, 2);
    EXPECT_EQ(test::runCliWith({"dump", log, "--off-time", "30"}).status, 2);
    EXPECT_EQ(test::runCliWith({"check", log, "--no-portable"}).status, 2);
    EXPECT_EQ(test::runCliWith({"check", dir.file("missing.qgb")}).status, 1);
    test::CliResult empty = test::runCliWith({"check", dir.write("empty.qgb", writeBinaryLog({}))});
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(empty.err.ends_with("\nデータがありません。\n")) << empty.err;
}

}  // namespace
}  // namespace sorvak
