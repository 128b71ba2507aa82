#include "reports/LogCheck.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/Cp932.h"
#include "reports/CallSignShape.h"
#include "reports/LogCheckText.h"
#include "reports/MasterCallList.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

int32_t at(int day, int hhmm) {
    return makeClockTime({2026, 11, day, hhmm / 100, hhmm % 100, 0});
}

class LogCheckTest : public ::testing::Test {
  protected:
    LogCheckTest() {
        settings.useMasterCalls = false;
        settings.utcFlag = 1;
    }

    // A QSO of November 2026 sending and receiving "10H" unless changed.
    QsoRecord& add(int day, int hhmm, const std::string& call, const std::string& band = "7",
                   const std::string& mode = "CW") {
        doc.add(test::qsoAt(day, hhmm, band, mode, call));
        QsoRecord& qso = doc.at(doc.count() - 1);
        qso.setSent("10H");
        qso.setRcvd("10H");
        return qso;
    }
    LogCheckResult check() { return checkLog(doc.qsoList(), settings, calls); }
    // "Line kind: text" of the findings of `kind`, in their order.
    std::vector<std::string> found(CheckKind kind) {
        std::vector<std::string> lines;
        for (const CheckFinding& finding : check().findings) {
            if (finding.kind == kind) {
                auto cells = findingCells(finding);
                lines.push_back(cells[0] + " " + cells[4] + ": " + cells[5]);
            }
        }
        return lines;
    }

    CSorvakDoc doc;
    LogCheckSettings settings;
    const MasterCallList* calls = nullptr;
};

using Lines = std::vector<std::string>;

TEST(CallSignShape, TellsCallsPortableFormsAndSpecialCalls) {
    using S = CallShape;
    const std::pair<const char*, CallShape> cases[] = {
        {"JA1ABC", S::Regular},        {"7K1XYZ", S::Regular},
        {"E73A", S::Regular},          {"3DA0RU", S::Regular},
        {"JA1ABC/1", S::Regular},      {"JA1ABC/QRP", S::Regular},
        {"W1/JA1ABC", S::Regular},     {"KI6RRN/KL7", S::Regular},
        {"F/DL1ABC/P", S::Regular},    {"8J1SORVAK", S::SpecialEvent},
        {"GB70RSGB", S::SpecialEvent}, {"", S::Empty},
        {"JA1AB C", S::BadCharacters}, {"ja1abc", S::BadCharacters},
        {"JA1", S::NotACall},          {"F8FKFZ/", S::NotACall},
        {"1ABC", S::NotACall},         {"JA1ABC/1/2/3", S::NotACall},
        {"599", S::NotACall},
    };
    for (const auto& [call, shape] : cases) {
        EXPECT_EQ(callShape(call), shape) << call;
    }
    EXPECT_EQ(baseCall("JA1ABC/1"), "JA1ABC");
    EXPECT_EQ(baseCall("KH0/JA1ABC"), "JA1ABC");
    EXPECT_EQ(baseCall("F/DL1ABC/P"), "DL1ABC");
    EXPECT_TRUE(isJapaneseCall("JS1ABC"));
    EXPECT_TRUE(isJapaneseCall("8N1ABC"));
    EXPECT_FALSE(isJapaneseCall("JT1ABC"));
    EXPECT_TRUE(isJapaneseCall("7N4ABC"));
    EXPECT_FALSE(isJapaneseCall("7O1AA"));
}

TEST_F(LogCheckTest, CallSignsThatAreNoCalls) {
    add(1, 1000, "JA1AB C");
    add(1, 1001, "");
    add(1, 1002, "8J1SORVAK");
    add(1, 1003, "JA1ABC/1");
    EXPECT_EQ(found(CheckKind::CallSign),
              (Lines{"1 コールサイン: コールサイン 'JA1AB C' に使えない文字があります",
                     "2 コールサイン: コールサインが空です",
                     "3 コールサイン(参考): '8J1SORVAK' は特別局の長いコールサインです"}));
}

TEST_F(LogCheckTest, CallsNotInTheMasterList) {
    MasterCallList list("# comment line\nJA1ABC\r\n W1AW \n");
    EXPECT_EQ(list.size(), 2u);
    add(1, 1000, "JA1ABC/1");  // its base call is listed
    add(1, 1001, "JA1XYZ");
    add(1, 1002, "K1ZZZ");
    add(1, 1003, "W1AW");
    add(1, 1004, "K1ZZZ", "14");
    add(1, 1005, "JA1AB C");  // told as no call, not looked up
    calls = &list;
    settings.useMasterCalls = true;
    EXPECT_EQ(found(CheckKind::MasterCalls),
              (Lines{"2 マスターリスト(参考): 'JA1XYZ' はマスターコールリストにありません",
                     "3 マスターリスト: 'K1ZZZ' はマスターコールリストにありません (2 交信: "
                     "Line 3, 5)"}));
    EXPECT_EQ(check().summary[3], "マスターコールリスト: 2 局と照合しました");

    calls = nullptr;
    EXPECT_EQ(found(CheckKind::MasterCalls), Lines{});
    EXPECT_EQ(check().summary[3], "マスターコールリスト: 見つからないため照合していません");
}

TEST_F(LogCheckTest, AStationWhoseNumberDiffersBetweenBands) {
    add(1, 1000, "JA1ABC", "7");
    add(1, 1010, "JA1ABC", "14").setRcvd("11H");
    add(1, 1020, "JA1ABC", "21");
    add(1, 1030, "JA2XYZ", "7").setRcvd("20M");
    add(1, 1040, "JA2XYZ", "14").setRcvd(" 20M ");
    EXPECT_EQ(found(CheckKind::Exchange),
              (Lines{"2 受信ナンバー: 'JA1ABC' の受信ナンバーが違います: '10H' (Line 1, 3)、"
                     "'11H' (Line 2)"}));
}

TEST_F(LogCheckTest, ReceivedSerialNumbersAreNotCompared) {
    // Every station worked twice gave another first number: a serial.
    add(1, 1000, "W1AW").setRcvd("15");
    add(1, 1100, "W1AW", "14").setRcvd("140");
    add(1, 1000, "K1ZZ").setRcvd("3");
    add(1, 1100, "K1ZZ", "14").setRcvd("90");
    add(1, 1200, "K3ZZ").setRcvd("PA");
    add(1, 1300, "K3ZZ", "14").setRcvd("CA");
    add(1, 1400, "JA1ABC");  // a number with more than digits is compared whole
    add(1, 1500, "JA1ABC", "14").setRcvd("11H");
    // A serial within the exchange is left out, the check beside it is not.
    add(1, 1600, "K5AA").setRcvd("050 B 54 OH");
    add(1, 1700, "K5AA", "14").setRcvd("210 B  54 OH");
    add(1, 1800, "K6BB").setRcvd("012 A 60 CA");
    add(1, 1900, "K6BB", "14").setRcvd("300 A 61 CA");
    EXPECT_EQ(
        found(CheckKind::Exchange),
        (Lines{"6 受信ナンバー: 'K3ZZ' の受信ナンバーが違います: 'PA' (Line 5)、'CA' (Line 6)",
               "8 受信ナンバー: 'JA1ABC' の受信ナンバーが違います: '10H' (Line 7)、'11H' "
               "(Line 8)",
               "12 受信ナンバー: 'K6BB' の受信ナンバーが違います: '012 A 60 CA' (Line 11)、"
               "'300 A 61 CA' (Line 12)"}));
}

TEST_F(LogCheckTest, ASentSerialWithAGapAndARepeat) {
    const int numbers[] = {1, 2, 2, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 10; ++i) {
        char sent[16];
        std::snprintf(sent, sizeof sent, i < 9 ? "599 %03d" : "59 %03d", i < 9 ? numbers[i] : 11);
        add(1, 1000 + i, "JA1A" + std::string(1, char('A' + i))).setSent(sent);
    }
    EXPECT_EQ(
        found(CheckKind::SentExchange),
        (Lines{"3 送信ナンバー: 送信ナンバー '599 002' が重複しています (Line 2, 3)",
               "4 送信ナンバー: 送信ナンバー 3 から 4 がありません (2 は Line 3、5 は Line 4)",
               "10 送信ナンバー: 送信ナンバー '59 011' がほかの交信の形 ('599' と番号) と"
               "違います"}));
}

TEST_F(LogCheckTest, SerialsSharedByTransmittersOrEachTheirOwn) {
    // One sequence for the station, whatever transmitter made the QSO.
    for (int i = 1; i <= 6; ++i) {
        add(1, 1000 + i, "JA1A" + std::string(1, char('A' + i))).setSent(std::to_string(i));
        doc.at(doc.count() - 1).setTxNumber(i % 2);
    }
    EXPECT_EQ(found(CheckKind::SentExchange), Lines{});
    // A sequence per transmitter, one of them with a gap.
    for (int i = 0; i < 6; ++i) {
        doc.at(static_cast<size_t>(i)).setSent(std::to_string(i < 3 ? i + 1 : i == 5 ? 4 : i - 2));
        doc.at(static_cast<size_t>(i)).setTxNumber(i < 3 ? 0 : 1);
    }
    EXPECT_EQ(
        found(CheckKind::SentExchange),
        Lines{"6 送信ナンバー: 送信機 1: 送信ナンバー 3 がありません (2 は Line 5、4 は Line 6)"});
}

TEST_F(LogCheckTest, SentExchangesEmptyOrUnlikeTheRest) {
    for (int i = 0; i < 6; ++i) {
        add(1, 1000 + i, "JA1A" + std::string(1, char('A' + i)));
    }
    doc.at(2).setSent("10M");
    doc.at(4).setSent("");
    EXPECT_EQ(found(CheckKind::SentExchange),
              (Lines{"3 送信ナンバー: 送信ナンバー '10M' がほかの交信の '10H' と違います",
                     "5 送信ナンバー: 送信ナンバーが空です"}));
    for (size_t row = 0; row < doc.count(); ++row) {
        doc.at(row).setSent("");
    }
    EXPECT_EQ(found(CheckKind::SentExchange), Lines{" 送信ナンバー: 送信ナンバーがすべて空です"});
}

TEST_F(LogCheckTest, TimesAgainstThePeriodTheOrderAndTheClock) {
    settings.start = at(1, 2100);
    settings.end = at(2, 2100);
    settings.now = at(2, 2200);
    add(1, 2059, "JA1AAA");
    add(2, 2059, "JA1BBB");
    add(2, 2100, "JA1CCC");  // the end minute is out
    add(2, 2000, "JA1DDD");
    add(2, 2201, "JA1EEE");
    add(2, 2202, "JA1FFF").setTime(kNoTime);
    EXPECT_EQ(found(CheckKind::Time),
              (Lines{"1 時刻: コンテスト開始 (2026/11/01 21:00) より前の交信です",
                     "3 時刻: コンテスト終了 (2026/11/02 21:00) 以後の交信です",
                     "4 時刻: 時刻順から外れています (前の Line 3 は 2026/11/02 21:00、次の "
                     "Line 5 は 2026/11/02 22:01)",
                     "5 時刻: コンテスト終了 (2026/11/02 21:00) 以後の交信です",
                     "5 時刻: コンピュータの時計 (2026/11/02 22:00) より後の時刻です",
                     "6 時刻: 時刻がありません"}));

    // A list kept in another order is not told QSO by QSO.
    add(1, 1000, "JA1GGG");
    add(1, 900, "JA1HHH");
    settings = LogCheckSettings{.useMasterCalls = false, .utcFlag = 1};
    EXPECT_EQ(found(CheckKind::Time),
              (Lines{" 時刻(参考): リストが時刻順に並んでいないため、交信の順序は確かめていません",
                     "6 時刻: 時刻がありません"}));
}

TEST_F(LogCheckTest, DupesByEachRuleAndMissingFields) {
    add(1, 1000, "JA1ABC", "7", "CW");
    add(1, 1001, "JA1ABC", "7", "SSB");
    add(1, 1002, "JA1ABC", "14", "CW");
    add(1, 1003, "JA1ABC", "7", "CW");
    EXPECT_EQ(found(CheckKind::Dupe), Lines{"4 DUPE: DUPE です (最初の交信は Line 1)"});
    settings.dupeRule = DupeRule::Band;
    EXPECT_EQ(found(CheckKind::Dupe), (Lines{"2 DUPE: DUPE です (最初の交信は Line 1)",
                                             "4 DUPE: DUPE です (最初の交信は Line 1)"}));
    settings.dupeRule = DupeRule::Contest;
    EXPECT_EQ(found(CheckKind::Dupe).size(), 3u);

    add(1, 1004, "JA1XYZ", "", "").setRcvd("");
    add(1, 1005, "JA2XYZ", "7", "").setRcvd(" ");
    EXPECT_EQ(found(CheckKind::MissingField),
              (Lines{"5 未入力: バンド、モード、受信ナンバーがありません",
                     "6 未入力: モード、受信ナンバーがありません"}));
}

TEST_F(LogCheckTest, AJstLogIsNoted) {
    add(1, 1000, "JA1ABC");
    EXPECT_EQ(found(CheckKind::JstLog), Lines{});
    settings.utcFlag = 0;
    ASSERT_EQ(found(CheckKind::JstLog).size(), 1u);
    EXPECT_TRUE(found(CheckKind::JstLog)[0].starts_with(" JST(参考): ログの時刻は JST です。"));
}

TEST(OperatingTime, TheSponsorsWaysOfCountingABreak) {
    auto offPeriods = [](std::vector<int32_t> minutes, BreakCounting counting) {
        OperatingTime time =
            operatingTime(minutes, minutes.front(), minutes.back() + 1, 60, counting);
        std::vector<int32_t> lengths;
        for (const OffPeriod& off : time.offPeriods) {
            lengths.push_back(off.minutes);
        }
        return std::pair(lengths, time.onMinutes);
    };
    // 09:27 -> 10:27 is 60 minutes between QSO times, but only 59 empty minutes.
    EXPECT_EQ(offPeriods({567, 627}, BreakCounting::Gap),
              std::pair(std::vector<int32_t>{60}, int64_t{1}));
    EXPECT_EQ(offPeriods({567, 627}, BreakCounting::EmptyMinutes),
              std::pair(std::vector<int32_t>{}, int64_t{61}));
    // 13:59 -> 15:00 holds 60 empty minutes, 13:59 -> 14:59 only 59.
    EXPECT_EQ(offPeriods({839, 900}, BreakCounting::EmptyMinutes),
              std::pair(std::vector<int32_t>{60}, int64_t{2}));
    EXPECT_EQ(offPeriods({839, 899}, BreakCounting::EmptyMinutes),
              std::pair(std::vector<int32_t>{}, int64_t{61}));

    // The period's ends count: nothing in the first hour is a break.
    OperatingTime time =
        operatingTime(std::vector<int32_t>{60, 61}, 0, 180, 60, BreakCounting::Gap);
    ASSERT_EQ(time.offPeriods.size(), 2u);
    EXPECT_EQ(time.offPeriods[0].start, 0);
    EXPECT_EQ(time.offPeriods[0].end, 60);
    EXPECT_EQ(time.offPeriods[1].next, 2u);
    EXPECT_EQ(time.onMinutes, 1);
    // The one minute of on-time, 60 to 61, makes the QSO at 61 pass a limit of one minute.
    EXPECT_EQ(limitReached(time, 0, 180, 1), 61);
    EXPECT_EQ(limitReached(time, 0, 180, 2), std::nullopt);
}

TEST_F(LogCheckTest, OffPeriodsAndTheQsosPastTheLimit) {
    settings.start = at(1, 900);
    settings.end = at(1, 1500);
    settings.maxHours = 2;
    const int hhmm[] = {900, 927, 1027, 1100, 1130, 1159, 1200, 1201};
    for (int i = 0; i < 8; ++i) {
        add(1, hhmm[i], "JA1A" + std::string(1, char('A' + i)));
    }
    // 27 minutes on before the break, 93 after it: the limit is reached at 12:00.
    EXPECT_EQ(found(CheckKind::OperatingTime),
              (Lines{"3 運用時間(参考): 休止 2026/11/01 09:27 から 2026/11/01 10:27 まで (1時間)",
                     "7 運用時間: 運用時間の上限 2時間を超えた後の交信です (上限に達したのは "
                     "2026/11/01 12:00)",
                     "8 運用時間(参考): 休止 2026/11/01 12:01 から 2026/11/01 15:00 まで "
                     "(2時間59分)",
                     "8 運用時間: 運用時間の上限 2時間を超えた後の交信です (上限に達したのは "
                     "2026/11/01 12:00)"}));
    LogCheckResult result = check();
    EXPECT_EQ(result.summary,
              (Lines{"交信数 8、警告 2 件、参考 2 件",
                     "コンテスト期間: 2026/11/01 09:00 から 2026/11/01 15:00 まで (UTC)",
                     "運用時間: 2時間1分 (休止 2 回、計 3時間59分。60分以上の休止を交信時刻の"
                     "間隔で数えています)",
                     "運用時間の上限 2時間: 超えた後の交信 2 件 (得点になりません)",
                     "マスターコールリスト: 照合していません", "種類ごとの件数: 運用時間 4"}));
}

TEST_F(LogCheckTest, BandChangesPerHourAndTheTenMinuteRule) {
    add(1, 1000, "JA1AAA", "7");
    add(1, 1005, "JA1BBB", "14");  // left 7 MHz after 5 minutes
    add(1, 1020, "JA1CCC", "7");   // left 14 MHz after 15 minutes
    add(1, 1105, "JA1DDD", "7").setTxNumber(2);
    add(1, 1106, "JA1EEE", "21").setTxNumber(2);
    EXPECT_EQ(found(CheckKind::BandChange),
              (Lines{"2 バンドチェンジ(参考): 送信機 0: 2026/11/01 10時台のバンドチェンジ 2 回",
                     "2 バンドチェンジ(参考): 送信機 0: 7 MHz の最初の交信 (Line 1 2026/11/01 "
                     "10:00) から 10 分たたずに 14 MHz へ移りました",
                     "5 バンドチェンジ(参考): 送信機 2: 2026/11/01 11時台のバンドチェンジ 1 回",
                     "5 バンドチェンジ(参考): 送信機 2: 7 MHz の最初の交信 (Line 4 2026/11/01 "
                     "11:05) から 10 分たたずに 21 MHz へ移りました"}));
    for (size_t row = 0; row < doc.count(); ++row) {
        doc.at(row).setBand(2);
    }
    EXPECT_EQ(found(CheckKind::BandChange), Lines{});
}

TEST_F(LogCheckTest, TheSavedTextIsAlignedCp932WithCrLf) {
    add(1, 1000, "JA1ABC");
    add(1, 1001, "JA1ABC");
    settings.utcFlag = 0;
    std::string text = logCheckText(check(), "/logs/contest.qgb");
    EXPECT_EQ(cp932ToUtf8(text),
              "ログチェックの結果: /logs/contest.qgb\r\n\r\n"
              "交信数 2、警告 1 件、参考 1 件\r\n"
              "コンテスト期間: 指定なし\r\n"
              "運用時間: 2分 (休止 0 回、計 0分。60分以上の休止を交信時刻の間隔で数えています)\r\n"
              "マスターコールリスト: 照合していません\r\n"
              "種類ごとの件数: DUPE 1、JST 1\r\n\r\n"
              "Line  日付        時刻   CallSign  種類       内容\r\n"
              "                                   JST(参考)  ログの時刻は JST です。Cabrillo "
              "ファイルにはこの時刻がそのまま書かれますが、日本国外のコンテストは UTC の時刻を求め"
              "ます (一括変更の時刻シフトとコンテストデータの UTC で直せます)\r\n"
              "   2  2026/11/01  10:01  JA1ABC    DUPE       DUPE です (最初の交信は Line 1)\r\n");
    EXPECT_EQ(logCheckFileName("/logs/contest.qgb"), "/logs/contest_CHECK.TXT");
    EXPECT_EQ(logCheckFileName("SORVAK"), "SORVAK_CHECK.TXT");
}

}  // namespace
}  // namespace sorvak
