#include "formats/AdifReader.h"

#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "formats/AdifWriter.h"
#include "formats/ExportSample.h"
#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

const std::string kBandsUnset2 = "ﾊﾞﾝﾄﾞが不明なQSOが2件あります。\nﾊﾞﾝﾄﾞは空欄にしました。";

class AdifReader : public test::LogReaderTest {
  protected:
    void read(const std::string& bytes, LoadMode mode = LoadMode::Load) {
        readBytes(readAdif, "in.adi", bytes, mode);
    }
};

TEST_F(AdifReader, HonoursLengthsNamesInAnyCaseAndTheBandFallbacks) {
    read(
        "Exported <by> hand, a '<' in the header\r\n<ADIF_VER:5>3.1.6 <CALL:3>XXX <eoh>\r\n"
        "<call:6>JA1ABC <Qso_Date:8:D>20261121 <TIME_ON:4>1234 <band:3>20M <MODE:2>cw "
        "<APP_X_Y:5>a<b>c <RST_SENT:3:S>599 <rst_rcvd:3>579 <STX:2>10 <SRX_STRING:3>12M "
        "<SRX:1>9 <OPERATOR:3>OP1 <COMMENT:12>has <EOR> in <Station_Callsign:6>JA1ZZZ "
        "<CONTEST_ID:8>JA-DX-CW <eor>\r\n"
        "<CALL:6>JA1XYZ<QSO_DATE:8>20261121<TIME_ON:6>123456<FREQ:6>7.0255<MODE:3>FT8<EOR>"
        "<CALL:5>JA1QQ <BAND:3>60m <FREQ:5>7.010 <MODE:3>SSB <EOR>"
        "<CALL:5>JA1RR <FREQ:6>5.3585 <QSO_DATE:8>20260231 <TIME_ON:4>1200 <EOR><EOR>");
    EXPECT_EQ(described(), (std::vector<std::string>{
                               "2026-11-21 12:34|JA1ABC|599|10|579|12M| 0| 0|14|CW||1|0|OP1|"
                               "has <EOR> in",
                               "2026-11-21 12:34|JA1XYZ|0||0|| 0| 0|7|Other||1|0||",
                               "no time|JA1QQ|0||0|| 0| 0||SSB||1|0||",
                               "no time|JA1RR|0||0|| 0| 0||Other||1|0||",
                           }));
    EXPECT_EQ(doc.at(1).secondsOfDay(), 12 * 3600 + 34 * 60 + 56);
    EXPECT_EQ(doc.contest().utcFlag, 1);
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().contestName, "JA-DX-CW");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kBandsUnset2});
}

TEST_F(AdifReader, TextIsUtf8WhenValidElseCp932) {
    read(
        "<EOH><CALL:5>JA1AA <BAND:2>2m <COMMENT:4>memo <COMMENT_INTL:6>メモ <OPERATOR:9>ｵﾍﾟ "
        "<EOR><CALL:5>JA1BB <BAND:2>2m <COMMENT:6>€ ok <EOR>");
    EXPECT_EQ(doc.at(0).memo(), "\x83\x81\x83\x82");
    EXPECT_EQ(doc.at(0).operatorName(), "\xB5\xCD\xDF");
    EXPECT_EQ(doc.at(1).memo(), "? ok");
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"Shift-JISで表せない文字を?に置き換えました。"});

    doc.clear();
    ui.events.clear();
    read("<EOH><CALL:5>JA1CC <BAND:2>2m <COMMENT:4>\x83\x81\x83\x82<EOR>");  // Shift-JIS
    EXPECT_EQ(doc.at(0).memo(), "\x83\x81\x83\x82");
    EXPECT_TRUE(ui.events.empty());
}

// A control character is a blank, also where the blanks around a call sign
// are dropped.
TEST_F(AdifReader, ControlCharactersAroundACallAreBlanksThatAreDropped) {
    read(
        "<EOH><CALL:8>\tJA1ABC\r <OPERATOR:6>JA1OP\x01 <STATION_CALLSIGN:7>\x7fJA1ZZZ "
        "<CONTEST_ID:4>\tX\tY <BAND:2>2m <EOR>");
    ASSERT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.at(0).callSign(), "JA1ABC");
    EXPECT_EQ(doc.at(0).operatorName(), "JA1OP");
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().contestName, "X Y");
}

TEST_F(AdifReader, AnAdxValueOfBlanksIsKeptAsInAnAdiFile) {
    read(
        "<?xml version=\"1.0\"?>\n<ADX><RECORDS>\n  <RECORD>\n    <CALL>JA1ABC</CALL>\n"
        "    <COMMENT>   </COMMENT>\n  </RECORD>\n</RECORDS></ADX>\n");
    ASSERT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.at(0).memo(), "   ");
}

TEST_F(AdifReader, ALengthPastTheEndStopsWithTheRecordNumber) {
    auto cutAt = [](int record) {
        return "ADIFﾌｧｲﾙの" + std::to_string(record) +
               "件目のﾚｺｰﾄﾞが途中で切れています。\nそこで読み込みを終了しました。";
    };
    read("<EOH><CALL:3>AAA<EOR>\r\n<CALL:3>BBB<EOR>\r\n<CALL:3>CCC<COMMENT:20>cut");
    EXPECT_EQ(doc.count(), 2u);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{cutAt(3), kBandsUnset2}));
    doc.clear();
    ui.events.clear();
    read("<CALL:99999999999999999999999>A<EOR>");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{cutAt(1), kAdifNothingToLoad}));
}

TEST_F(AdifReader, AppendAndMergeMoveUtcOntoAJstLog) {
    const std::string file =
        "<EOH><CALL:6>JA1ABC <QSO_DATE:8>20261231 <TIME_ON:6>180000 <BAND:3>40m <EOR>";
    doc.add(std::make_unique<QsoRecord>(test::sampleParts("JA9ZZZ")));  // a JST log
    read(file, LoadMode::Append);
    read(file, LoadMode::Merge);
    ASSERT_EQ(doc.count(), 2u);
    EXPECT_EQ(test::describe(doc.at(1)), "2027-01-01 03:00|JA1ABC|0||0|| 0| 0|7|Other||1|0||");
    EXPECT_EQ(doc.contest().utcFlag, 0);

    doc.contest().utcFlag = 1;
    read(file, LoadMode::Merge);
    ASSERT_EQ(doc.count(), 3u);
    EXPECT_EQ(doc.at(2).hhmm(), 1800);
}

// The load dispatcher detects both kinds, refuses a file without a QSO before
// it touches the log, and reads back every field an ADX export carries.
class AdifLoad : public ::testing::Test {
  protected:
    test::TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
};

TEST_F(AdifLoad, AFileWithoutQsosLeavesTheLogAlone) {
    doc.add(std::make_unique<QsoRecord>(test::sampleParts("JA1ABC")));
    doc.setTitle("/logs/kept.qgb");
    ui.answers = {Answer::Yes, Answer::Ok, Answer::Yes};
    EXPECT_FALSE(
        FileLoad(doc, ui, dir.write("empty.adi", "Only a header\r\n<EOH>\r\n"), LoadMode::Load)
            ->taken);
    EXPECT_FALSE(FileLoad(doc, ui,
                          dir.write("bad.adx",
                                    "<?xml version=\"1.0\"?>\n<ADX>\n<RECORDS><RECORD>\n"
                                    "<CALL>JA1ABC</CALL\n</RECORD></RECORDS></ADX>\n"),
                          LoadMode::Load)
                     ->taken);
    EXPECT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.title(), "/logs/kept.qgb");
    EXPECT_FALSE(doc.isModified());
    std::vector<std::string> expected = {"既存データは失われます。続けますか?", kAdifNothingToLoad,
                                         "既存データは失われます。続けますか?",
                                         "ADIF XMLﾌｧｲﾙの5行目に誤りがあります。",
                                         kAdifNothingToLoad};
    EXPECT_EQ(ui.messageTexts(), expected);
}

TEST_F(AdifLoad, AnAdxExportAppendedToAJstLogGivesBackEveryFieldItCarries) {
    CSorvakDoc source;
    source.contest().stationCall = "JA1ZZZ";
    source.contest().contestName = "ALLJA1";
    test::addExportSample(source);
    AdifExportReport report;
    std::string path = dir.write("log.adx", writeAdx(source, report));
    ASSERT_EQ(FileLoad(doc, ui, path, LoadMode::Append)->kind, KIND_ADX);

    ASSERT_EQ(doc.count(), source.count());
    for (size_t row = 0; row < source.count(); ++row) {
        QsoRecord expected = source.at(row);
        // ADIF has no multipliers, power, points or transmitter number, and
        // no operator field for text that is not ASCII.
        expected.setMulti("");
        expected.setNewMulti(0);
        expected.setPower(-1);
        expected.setPoints(1);
        expected.setTxNumber(0);
        if (row == 2) {
            expected.setOperatorName("");
        }
        EXPECT_EQ(test::describe(doc.at(row)), test::describe(expected));
    }
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().contestName, "ALLJA1");
    EXPECT_EQ(doc.contest().utcFlag, 0);
    EXPECT_TRUE(ui.messageTexts().empty());
}

}  // namespace
}  // namespace sorvak
