#include "formats/AdifWriter.h"

#include <gtest/gtest.h>

#include "formats/ExportSample.h"
#include "platform/ClockTime.h"

namespace sorvak {
namespace {

const AdifStamp kStamp{"9.8.10", makeClockTime(ClockParts{2026, 12, 9, 6, 0, 0})};

// The export sample in a JST log, and a QSO just after the new year with seconds.
class AdifWriter : public ::testing::Test {
  protected:
    AdifWriter() {
        doc.contest().stationCall = "JA1ZZZ";
        doc.contest().contestName = "ALLJA1";
        test::addExportSample(doc);
        auto q = std::make_unique<QsoRecord>(QsoParts{.year = 2027,
                                                      .month = 1,
                                                      .day = 1,
                                                      .callSign = "JA2AAA",
                                                      .bandText = "10G",
                                                      .modeText = "RTTY"});
        q->setSecondsOfDay(3 * 3600 + 30);
        doc.add(std::move(q));
    }
    CSorvakDoc doc;
    AdifExportReport report;
};

TEST_F(AdifWriter, AdiLayoutMovesJstToUtcAndLeavesOutWhatIsNotAscii) {
    EXPECT_EQ(writeAdi(doc, report, kStamp),
              test::crlfLines(
                  {"SORVAK ADIF export", "<ADIF_VER:5>3.1.6", "<PROGRAMID:6>SORVAK",
                   "<PROGRAMVERSION:6>9.8.10", "<CREATED_TIMESTAMP:15>20261209 060000", "<EOH>",
                   "<CALL:10>JA1ABC/1/P <QSO_DATE:8>20261103 <TIME_ON:6>000500 <BAND:3>40m "
                   "<MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579 <STX_STRING:3>10H <SRX_STRING:3>13M "
                   "<OPERATOR:3>OP1 <STATION_CALLSIGN:6>JA1ZZZ <CONTEST_ID:6>ALLJA1 "
                   "<COMMENT:36>[QTC1/10 JA9XYZ 2026-11-02 0900 599] <EOR>",
                   "<CALL:6>7K1XYZ <QSO_DATE:8>20260121 <TIME_ON:6>145900 <BAND:4>70cm <MODE:3>SSB "
                   "<RST_SENT:2>59 <RST_RCVD:2>57 <STX_STRING:3>10H <SRX_STRING:3>25L "
                   "<STATION_CALLSIGN:6>JA1ZZZ <CONTEST_ID:6>ALLJA1 "
                   "<COMMENT:27>[QTC2/10 JA9XYZ 2026-11-02] <EOR>",
                   // Midnight: 31 December 00:00 JST is 30 December 15:00 UTC; "Other" has no
                   // MODE; the operator "ｵﾍﾟ" and the memo "メモ" cannot be written.
                   "<CALL:13>JA1ABCDEFG/MM <QSO_DATE:8>20261230 <TIME_ON:6>150000 <BAND:4>160m "
                   "<RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:3>10H <SRX_STRING:1>X "
                   "<STATION_CALLSIGN:6>JA1ZZZ <CONTEST_ID:6>ALLJA1 <EOR>",
                   // Month and year end, seconds kept.
                   "<CALL:6>JA2AAA <QSO_DATE:8>20261231 <TIME_ON:6>180030 <BAND:3>3cm <MODE:4>RTTY "
                   "<STATION_CALLSIGN:6>JA1ZZZ <CONTEST_ID:6>ALLJA1 <EOR>"}));
    EXPECT_EQ(report.leftOut, 2);
    EXPECT_EQ(adifLeftOutNote(report), "ADIFに書けない値を2個省きました。");
}

// A report in dB, as the digital modes give them, is a report; 0 is none.
TEST(AdifReports, NegativeReportsAreWrittenAndNoneIsLeftOut) {
    CSorvakDoc doc;
    doc.contest().utcFlag = 1;
    for (int report : {-10, 0}) {
        QsoValues v;
        v.callSign = "JA1ABC";
        v.srst = report;
        v.rrst = report + 1;
        doc.add(std::make_unique<QsoRecord>(std::move(v)));
    }
    AdifExportReport report;
    std::string file = writeAdi(doc, report, kStamp);
    EXPECT_NE(file.find("<CALL:6>JA1ABC <RST_SENT:3>-10 <RST_RCVD:2>-9 <EOR>"), std::string::npos);
    EXPECT_NE(file.find("<CALL:6>JA1ABC <RST_RCVD:1>1 <EOR>"), std::string::npos);
}

TEST_F(AdifWriter, AdxCarriesAJapaneseMemoInCommentIntl) {
    doc.mutableQsoList().erase(doc.mutableQsoList().begin(), doc.mutableQsoList().begin() + 2);
    doc.mutableQsoList().pop_back();
    doc.contest().utcFlag = 1;  // a UTC log is written as it stands
    doc.contest().stationCall = "\x83\x81";
    EXPECT_EQ(writeAdx(doc, report, kStamp),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<ADX>\n"
              "  <HEADER>\n"
              "    <ADIF_VER>3.1.6</ADIF_VER>\n"
              "    <PROGRAMID>SORVAK</PROGRAMID>\n"
              "    <PROGRAMVERSION>9.8.10</PROGRAMVERSION>\n"
              "    <CREATED_TIMESTAMP>20261209 060000</CREATED_TIMESTAMP>\n"
              "  </HEADER>\n"
              "  <RECORDS>\n"
              "    <RECORD>\n"
              "      <CALL>JA1ABCDEFG/MM</CALL>\n"
              "      <QSO_DATE>20261231</QSO_DATE>\n"
              "      <TIME_ON>000000</TIME_ON>\n"
              "      <BAND>160m</BAND>\n"
              "      <RST_SENT>599</RST_SENT>\n"
              "      <RST_RCVD>599</RST_RCVD>\n"
              "      <STX_STRING>10H</STX_STRING>\n"
              "      <SRX_STRING>X</SRX_STRING>\n"
              "      <CONTEST_ID>ALLJA1</CONTEST_ID>\n"
              "      <COMMENT_INTL>メモ</COMMENT_INTL>\n"
              "    </RECORD>\n"
              "  </RECORDS>\n"
              "</ADX>\n");
    EXPECT_EQ(report.leftOut, 2);  // the operator and the station call have no _INTL field
}

TEST_F(AdifWriter, EscapesXmlAndGivesNoNoteWhenNothingWasLeftOut) {
    EXPECT_EQ(adifLeftOutNote(AdifExportReport{}), "");
    // Special characters of XML are escaped, not left out.
    doc.at(0).setMemo("a<b & c");
    std::string adx = writeAdx(doc, report, kStamp);
    EXPECT_NE(adx.find("<COMMENT>a&lt;b &amp; c</COMMENT>"), std::string::npos);
}

}  // namespace
}  // namespace sorvak
