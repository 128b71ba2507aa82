#include "formats/JarlLogWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "commands/SaveCommands.h"
#include "editing/JarlLogForm.h"
#include "formats/ExportSample.h"
#include "platform/Cp932.h"
#include "reports/JarlScore.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using test::crlfLines;

QsoParts at(int month, int day, int hhmm, const std::string& call) {
    return QsoParts{.year = 2026,
                    .month = month,
                    .day = day,
                    .hhmm = hhmm,
                    .callSign = call,
                    .srst = 599,
                    .sent = "10M",
                    .rrst = 599,
                    .rcvd = "13M",
                    .bandText = "7",
                    .modeText = "CW",
                    .points = 1};
}

// The summary sheet of the fixture's header with the given category and
// score, and the log sheet's heading on the given clock.
std::string summary(const std::string& category, const std::string& score,
                    const std::string& clock = "JST") {
    return crlfLines({
        "<SUMMARYSHEET VERSION=R2.1>",
        "<CONTESTNAME>ALL JAコンテスト</CONTESTNAME>",
        "<CATEGORYCODE>" + category + "</CATEGORYCODE>",
        "<CALLSIGN>JA1ZZZ</CALLSIGN>",
        "<OPCALLSIGN></OPCALLSIGN>",
        "<TOTALSCORE>" + score + "</TOTALSCORE>",
        "<ADDRESS>〒100-0001",
        "東京都千代田区</ADDRESS>",
        "<NAME>大塚 太郎</NAME>",
        "<TEL></TEL>",
        "<EMAIL>ja1zzz@example.jp</EMAIL>",
        "<LICENSEDATE></LICENSEDATE>",
        "<AGE></AGE>",
        "<POWER>50</POWER>",
        "<FDCOEFF>2</FDCOEFF>",
        "<OPPLACE></OPPLACE>",
        "<POWERSUPPLY></POWERSUPPLY>",
        "<COMMENTS></COMMENTS>",
        "<MULTIOPLIST></MULTIOPLIST>",
        "<REGCLUBNUMBER></REGCLUBNUMBER>",
        std::string("<OATH>") + JarlLogForm::kOath + "</OATH>",
        "<DATE>2026年12月9日</DATE>",
        "<SIGNATURE>大塚 太郎</SIGNATURE>",
        "</SUMMARYSHEET>",
        "<LOGSHEET TYPE=SORVAK>",
        "DATE(" + clock + ") TIME BAND MODE CALLSIGN SENTNo RCVNo Multi PTS",
    });
}

class JarlLogWriter : public ::testing::Test {
  protected:
    JarlLogWriter() {
        JarlLogForm form;
        using F = JarlField;
        form[F::Contest] = "ALL JAコンテスト";
        form[F::Category] = "XMAH";
        form[F::CallSign] = "JA1ZZZ";
        form[F::Address] = "〒100-0001\r\n東京都千代田区";
        form[F::Email] = "ja1zzz@example.jp";
        form[F::Power] = "50";
        form[F::FdCoeff] = "2";
        form[F::Oath] = JarlLogForm::kOath;
        form[F::Date] = "2026年12月9日";
        form.setName("大塚 太郎");
        form.apply(doc);
    }
    void add(const QsoParts& parts, const std::function<void(QsoRecord&)>& change = {}) {
        auto qso = std::make_unique<QsoRecord>(parts);
        if (change) {
            change(*qso);
        }
        doc.add(std::move(qso));
    }
    // The file with the score the analysis gives the log.
    std::optional<std::string> written() const {
        const JarlLogHeader& header = doc.jarlLogHeader();
        return writeJarlLog(
            doc, claimedScore(scoreOf(doc.qsoList()), header[JarlField::FdCoeff], header.checkLog));
    }
    // The file as the CP932 bytes of the UTF-8 text given.
    std::string expected(const std::string& utf8) { return utf8ToCp932(utf8); }

    CSorvakDoc doc;
};

TEST_F(JarlLogWriter, JstLogScoresBothMultiplierFlagsTimesTheCoefficient) {
    QsoParts first = at(11, 3, 905, "JA1ABC");
    first.multi = "13";
    QsoParts both = at(11, 3, 906, "JA2XYZ");
    both.bandText = "3.5";
    both.modeText = "SSB";
    both.srst = both.rrst = 59;
    both.rcvd = "20H";
    both.multi = "20";
    both.multi2 = "H";
    QsoParts none = at(11, 3, 907, "JA3AAA");
    none.points = 2;
    QsoParts second = at(11, 3, 1000, "JA4BBB/4");
    second.bandText = "10G";
    second.modeText = "Other";
    second.multi2 = "33";
    for (const QsoParts& parts : {first, both, none, second}) {
        add(parts);
    }
    // (1 + 1 + 2 + 1) points × 4 multiplier flags × 2.
    EXPECT_EQ(written(), expected(summary("XMAH", "40") +
                                  crlfLines({
                                      "2026-11-03 09:05 7 CW JA1ABC 599 10M 599 13M 13 1",
                                      "2026-11-03 09:06 3.5 SSB JA2XYZ 59 10M 59 20H 20 1",
                                      "2026-11-03 09:07 7 CW JA3AAA 599 10M 599 13M - 2",
                                      "2026-11-03 10:00 10G Other JA4BBB/4 599 10M 599 "
                                      "13M 33 1",
                                      "</LOGSHEET>",
                                  })));
}

TEST_F(JarlLogWriter, UtcLogIsShiftedNineHoursAcrossMidnightAndMonthEnds) {
    doc.contest().utcFlag = 1;
    for (QsoParts parts : {at(11, 3, 1459, "JA1AAA"), at(11, 3, 1530, "JA1BBB"),
                           at(2, 28, 1600, "JA1CCC"), at(12, 31, 2000, "JA1DDD")}) {
        parts.multi = "13";
        add(parts);
    }
    std::string file =
        summary("XMAH", "32") + crlfLines({
                                    "2026-11-03 23:59 7 CW JA1AAA 599 10M 599 13M 13 1",
                                    "2026-11-04 00:30 7 CW JA1BBB 599 10M 599 13M 13 1",
                                    "2026-03-01 01:00 7 CW JA1CCC 599 10M 599 13M 13 1",
                                    "2027-01-01 05:00 7 CW JA1DDD 599 10M 599 13M 13 1",
                                    "</LOGSHEET>",
                                });
    EXPECT_EQ(written(), expected(file));
}

TEST_F(JarlLogWriter, UtcLogSheetShiftsAJstLogBackAndKeepsAUtcLog) {
    doc.jarlLogHeader().utcLogSheet = true;
    for (QsoParts parts : {at(11, 4, 859, "JA1AAA"), at(11, 4, 900, "JA1BBB"),
                           at(3, 1, 500, "JA1CCC"), at(1, 1, 30, "JA1DDD")}) {
        parts.multi = "13";
        add(parts);
    }
    std::string utcLines = crlfLines({
        "2026-11-03 23:59 7 CW JA1AAA 599 10M 599 13M 13 1",
        "2026-11-04 00:00 7 CW JA1BBB 599 10M 599 13M 13 1",
        "2026-02-28 20:00 7 CW JA1CCC 599 10M 599 13M 13 1",
        "2025-12-31 15:30 7 CW JA1DDD 599 10M 599 13M 13 1",
        "</LOGSHEET>",
    });
    EXPECT_EQ(written(), expected(summary("XMAH", "32", "UTC") + utcLines));

    doc.contest().utcFlag = 1;
    for (size_t row = 0; row < doc.count(); ++row) {
        doc.at(row).setTime(doc.at(row).time() - 9 * 3600);
    }
    EXPECT_EQ(written(), expected(summary("XMAH", "32", "UTC") + utcLines));
}

TEST_F(JarlLogWriter, TwoTransmitterLogAppendsTheTxNumberToEveryLine) {
    QsoParts run = at(11, 3, 905, "JA1ABC");
    QsoParts mult = at(11, 3, 906, "JA1ABD");
    mult.txNumber = 1;
    add(run);
    add(mult);
    EXPECT_EQ(written(), expected(summary("XMAH", "0") +
                                  crlfLines({
                                      "2026-11-03 09:05 7 CW JA1ABC 599 10M 599 13M - 1 0",
                                      "2026-11-03 09:06 7 CW JA1ABD 599 10M 599 13M - 1 1",
                                      "</LOGSHEET>",
                                  })));
}

TEST_F(JarlLogWriter, CheckLogWritesCheckLogAndNoScore) {
    doc.jarlLogHeader().checkLog = true;
    QsoParts parts = at(11, 3, 905, "JA1ABC");
    parts.multi = "13";
    add(parts);
    EXPECT_EQ(written(), expected(summary("CHECKLOG", "0") +
                                  crlfLines({
                                      "2026-11-03 09:05 7 CW JA1ABC 599 10M 599 13M 13 1",
                                      "</LOGSHEET>",
                                  })));
}

TEST_F(JarlLogWriter, RefusesTheFirstQsoThatWouldNotMakeAReadableLine) {
    struct Case {
        std::function<void(QsoRecord&)> change;
        std::string message;
    };
    const std::string fix = "\n修正してから書き出してください。";
    const Case cases[] = {
        {[](QsoRecord& q) { q.setRcvd(""); }, "Line 2 の Rcvd が空か、空白を含んでいます。" + fix},
        {[](QsoRecord& q) { q.setCallSign("JA1 ABC"); },
         "Line 2 の CallSign が空か、空白を含んでいます。" + fix},
        {[](QsoRecord& q) { q.setSent("10\t"); },
         "Line 2 の Sent が空か、空白を含んでいます。" + fix},
        {[](QsoRecord& q) {
             q.setMulti2("");
             q.setNewMulti2(1);
         },
         "Line 2 の Multi2 が空か、空白を含んでいます。" + fix},
        {[](QsoRecord& q) { q.setBand(-1); }, "Line 2 の Band が設定されていません。" + fix},
        {[](QsoRecord& q) { q.setSrst(0); }, "Line 2 の SRST が設定されていません。" + fix},
        {[](QsoRecord& q) { q.setRrst(-1); }, "Line 2 の RRST が設定されていません。" + fix},
        {[](QsoRecord& q) { q.setMode(6); }, "Line 2 の Mode が設定されていません。" + fix},
        {[](QsoRecord& q) { q.setTime(kNoTime); }, "Line 2 の Date が設定されていません。" + fix},
    };
    for (const Case& c : cases) {
        CSorvakDoc log;
        log.add(std::make_unique<QsoRecord>(at(11, 3, 905, "JA1ABC")));
        auto bad = std::make_unique<QsoRecord>(at(11, 3, 906, "JA1ABD"));
        c.change(*bad);
        log.add(std::move(bad));
        log.add(std::make_unique<QsoRecord>(at(11, 3, 907, "")));  // also bad, but later
        EXPECT_EQ(jarlLogRefusal(log), c.message);
        EXPECT_EQ(writeJarlLog(log, 0), std::nullopt);
    }
}

TEST_F(JarlLogWriter, ExportProposesItsOwnNameAndRefusesBeforeAskingForOne) {
    test::TempDir dir;
    doc.setTitle(dir.file("log.TXT"));
    add(at(11, 3, 905, "JA1ABC"));
    add(at(11, 3, 906, "JA1ABD"), [](QsoRecord& q) { q.setRcvd(""); });
    doc.setModified(true);
    ScriptedUi ui;
    ui.paths.push_back(dir.file("log_JARL.TXT"));
    EXPECT_FALSE(exportLog(doc, ui, KIND_JARL));
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.messageTexts().front(),
              "Line 2 の Rcvd が空か、空白を含んでいます。\n修正してから書き出してください。");

    doc.at(1).setRcvd("13M");
    EXPECT_TRUE(exportLog(doc, ui, KIND_JARL));
    const FileDialog& dialog = ui.events.back().dialog;
    EXPECT_EQ(dialog.title, "JARL電子ログのｾｰﾌﾞ");
    EXPECT_EQ(dialog.filter, "JARL電子ログ (*.TXT)|*.TXT||");
    EXPECT_EQ(dialog.proposedName, dir.file("log_JARL.TXT"));
    EXPECT_EQ(test::readFile(dir.file("log_JARL.TXT")),
              writeJarlLog(doc, doc.jarlLogHeader().totalScore));
    EXPECT_TRUE(doc.isModified());  // the JARL log cannot give the log back
    EXPECT_FALSE(std::filesystem::exists(dir.file("log.TXT")));
}

}  // namespace
}  // namespace sorvak
