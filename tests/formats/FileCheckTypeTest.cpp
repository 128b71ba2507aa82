#include "formats/FileCheckType.h"

#include <gtest/gtest.h>

#include "formats/AdifDetection.h"
#include "formats/BinaryLog.h"
#include "formats/LogSource.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

struct Detected {
    FileKind kind;
    std::vector<std::string> messages;
};

Detected detect(const std::string& bytes, const std::string& name = "log.dat") {
    test::TempDir dir;
    LogSource source(dir.write(name, bytes));
    ScriptedUi ui;
    FileKind kind = FileCheckType(source, ui);
    return {kind, ui.messageTexts()};
}

std::string binaryHeader(uint8_t byte83, uint8_t byte84, uint8_t callLength, char firstChar) {
    std::string h(256, '\0');
    h[83] = static_cast<char>(byte83);
    h[84] = static_cast<char>(byte84);
    h[8] = static_cast<char>(callLength);
    h[9] = firstChar;
    return h;
}

const std::vector<std::string> kNoMessage;

TEST(FileCheckType, ShortFiles) {
    EXPECT_EQ(detect("").kind, KIND_UNKNOWN);
    Detected three = detect("abc");
    EXPECT_EQ(three.kind, KIND_UNKNOWN);
    EXPECT_EQ(three.messages, std::vector<std::string>{"ﾌｧｲﾙが短すぎます。"});
    EXPECT_EQ(detect("abcd").messages, std::vector<std::string>{"ファイルの形式が不明です。"});
}

TEST(FileCheckType, BinaryHeaderTest) {
    EXPECT_EQ(detect(binaryHeader(0, 0, 6, 'J')).kind, KIND_QGB);
    EXPECT_EQ(detect(binaryHeader(0xFF, 0xFF, 12, '0')).kind, KIND_QGB);
    EXPECT_EQ(detect(binaryHeader(0, 0, 0, 'z')).kind, KIND_QGB);
    EXPECT_EQ(detect(binaryHeader(0, 0xFF, 6, 'J')).kind, KIND_UNKNOWN);
    EXPECT_EQ(detect(binaryHeader(0, 0, 13, 'J')).kind, KIND_UNKNOWN);
    EXPECT_EQ(detect(binaryHeader(0, 0, 6, '/')).kind, KIND_UNKNOWN);
    EXPECT_EQ(detect(binaryHeader(0, 0, 6, '{')).kind, KIND_UNKNOWN);
    // Only exactly 256 bytes read count: a shorter file is not tested as binary.
    EXPECT_EQ(detect(binaryHeader(0, 0, 6, 'J').substr(0, 255)).kind, KIND_UNKNOWN);
    // A binary log named .TXT is still binary.
    CSorvakDoc doc;
    doc.contest().stationCall = "JA1ZZZ";
    doc.add(test::qso("JA1ABC"));
    Detected txt = detect(writeBinaryLog(doc), "LOG.TXT");
    EXPECT_EQ(txt.kind, KIND_QGB);
    EXPECT_EQ(txt.messages, kNoMessage);
}

TEST(FileCheckType, FirstLinePrefixes) {
    EXPECT_EQ(detect("Quog for Windows Ver 5\r\nrest").kind, KIND_ALL);
    EXPECT_EQ(detect("Quog for Window\r\n").kind, KIND_UNKNOWN);
    EXPECT_EQ(detect("mon day time\r\n").kind, KIND_DOS_TXT);
    EXPECT_EQ(detect("mon \n", "x.qgb").kind, KIND_DOS_TXT);
    EXPECT_EQ(detect("Mon day\r\n").messages,
              std::vector<std::string>{"ファイルの形式が不明です。"});
}

TEST(FileCheckType, TenCommasMakeTheCsvKind) {
    EXPECT_EQ(detect("a,b,c,d,e,f,g,h,i,j,k\r\n").kind, KIND_HAMLOG_OLD);
    EXPECT_EQ(detect(",,,,,,,,,,\r\n").kind, KIND_HAMLOG_OLD);
    EXPECT_EQ(detect(",,,,,,,,,\r\n").kind, KIND_UNKNOWN);
}

TEST(FileCheckType, CommentLinesBeforeTheFormatLine) {
    EXPECT_EQ(detect(";one\r\n;two\r\nSTART-OF-LOG: 3.0\r\n").kind, KIND_CABRILLO);
    EXPECT_EQ(detect("START-OF-LOG:\r\n").kind, KIND_CABRILLO);
    EXPECT_EQ(detect(";c\nCCC TXT file\n").kind, KIND_CCC);
    Detected onlyComments = detect(";one\r\n;two\r\n", "x.qgb");
    EXPECT_EQ(onlyComments.kind, KIND_UNKNOWN);
    EXPECT_EQ(onlyComments.messages, kNoMessage);
}

TEST(FileCheckType, QgbNameFallbackInAnyLetterCase) {
    for (const char* name : {"a.qgb", "a.QGB", "a.Qgb"}) {
        Detected d = detect(binaryHeader(0, 0xFF, 6, 'J'), name);
        EXPECT_EQ(d.kind, KIND_QGB) << name;
        EXPECT_EQ(d.messages,
                  std::vector<std::string>{"一応Quogバイナリファイルとして読み込みます。"});
    }
    EXPECT_EQ(detect("junk data", "qgb").kind, KIND_UNKNOWN);
    EXPECT_EQ(detect("junk data", "a.xqgb").kind, KIND_UNKNOWN);
}

TEST(FileCheckType, N1mmCreatedByLineAnywhere) {
    EXPECT_EQ(detect("first\r\nsecond\r\nCREATED-BY: N1MM Logger Plus\r\n").kind, KIND_N1MM);
    EXPECT_EQ(detect("CREATED-BY: N1MM Logger \r\n").kind, KIND_N1MM);
    EXPECT_EQ(detect("x\r\nCREATED-BY: N1MM Logger\r\n").kind, KIND_UNKNOWN);
    // The name fallback comes first.
    EXPECT_EQ(detect("x\r\nCREATED-BY: N1MM Logger Plus\r\n", "n.qgb").kind, KIND_QGB);
}

TEST(FileCheckType, TodaysN1mmHeadingWhereTheFormatWouldBeUnknown) {
    const std::string today =
        "Date     Time    Freq     Mode MyCall        Snt Exchange    Call\r\n";
    EXPECT_EQ(detect("title\r\n" + today).kind, KIND_N1MM);
    EXPECT_EQ(detect(today, "n.qgb").kind, KIND_QGB);
    // The older heading still needs its CREATED-BY line.
    EXPECT_EQ(
        detect("Date     Time   Freq   Mode MyCall       Snt Exch   HisCall         Rcvd Exch\r\n")
            .messages,
        std::vector<std::string>{"ファイルの形式が不明です。"});
}

TEST(FileCheckType, OverlongFirstLineIsCutAt254Bytes) {
    std::string line(254, 'x');
    EXPECT_EQ(detect(line + "mon \r\n").kind, KIND_UNKNOWN);
    EXPECT_EQ(detect(line + "\nCREATED-BY: N1MM Logger \n").kind, KIND_N1MM);
}

TEST(FileCheckType, AdifWhereTheFormatWouldBeUnknown) {
    EXPECT_EQ(detect("Log of JA1ZZZ\r\n<adif_ver:5>3.1.6\r\n<eoh>\r\n").kind, KIND_ADI);
    EXPECT_EQ(detect("Only a header <Eoh>").kind, KIND_ADI);
    EXPECT_EQ(detect("\xEF\xBB\xBF\r\n<CALL:6>JA1ABC <EOR>").kind, KIND_ADI);
    EXPECT_EQ(detect("<call:6:s>JA1ABC<eor>").kind, KIND_ADI);
    Detected adx =
        detect("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- log -->\n<ADX>\n<HEADER/>\n</ADX>\n");
    EXPECT_EQ(adx.kind, KIND_ADX);
    EXPECT_EQ(adx.messages, kNoMessage);
    EXPECT_EQ(detect("<ADX/>").kind, KIND_ADX);

    // Other tagged files, even with an <EOH> in them, stay unknown.
    for (const char* other : {
             "<?xml version=\"1.0\"?>\n<ADIF><EOH></ADIF>\n",
             "<?xml version=\"1.0\"?>\n<ADXX/>\n",
             "<!DOCTYPE html>\n<html><body>&lt;EOH&gt; <eoh></body></html>\n",
             "<SUMMARYSHEET VERSION=R2.0>\n<CALLSIGN>JA1ZZZ</CALLSIGN><EOH>\n</SUMMARYSHEET>\n",
             "<CALL:>JA1ABC<EOR>",
             "a <CALL:6 > b",
         }) {
        Detected d = detect(other);
        EXPECT_EQ(d.kind, KIND_UNKNOWN) << other;
        EXPECT_EQ(d.messages, std::vector<std::string>{"ファイルの形式が不明です。"}) << other;
    }
    // Every earlier result stands.
    EXPECT_EQ(detect("START-OF-LOG: 3.0\r\nSOAPBOX: <EOH>\r\n").kind, KIND_CABRILLO);
    EXPECT_EQ(detect("<CALL:1>a,,,,,,,,,,<EOR>\r\n").kind, KIND_HAMLOG_OLD);
    EXPECT_EQ(detect("<EOH>\r\nCREATED-BY: N1MM Logger \r\n").kind, KIND_N1MM);
    // Only the first part of a large file is searched.
    EXPECT_EQ(detect(std::string(kAdifDetectionBytes, 'x') + "<EOH>").kind, KIND_UNKNOWN);
}

}  // namespace
}  // namespace sorvak
