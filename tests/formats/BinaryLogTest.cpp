#include "formats/BinaryLog.h"

#include <gtest/gtest.h>

#include <cstring>

#include "commands/FileLoad.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

RawRecord recordAt(const std::string& bytes, size_t index) {
    RawRecord r{};
    std::memcpy(r.data(), bytes.data() + index * kRecordSize, kRecordSize);
    return r;
}

double doubleAt(const RawRecord& r, size_t offset) {
    double d;
    std::memcpy(&d, r.data() + offset, 8);
    return d;
}

std::string lengthPrefixed(const RawRecord& r, size_t offset) {
    return std::string(reinterpret_cast<const char*>(r.data() + offset + 1), r[offset]);
}

QsoRecord fullQso() {
    QsoValues v;
    v.time = makeClockTime({2008, 11, 22, 12, 34, 56});
    v.callSign = "JA1ABC/1";
    v.srst = 599;
    v.sent = "10H";
    v.rrst = -2;
    v.rcvd = "13M";
    v.multi = "13";
    v.newMulti = 1;
    v.multi2 = "M2";
    v.newMulti2 = 0;
    v.band = 11;
    v.mode = 4;
    v.power = -1;
    v.points = -1;
    v.txNumber = 2;
    v.operatorName = "JH1QQQ";
    v.memo = "\x83\x81\x83\x82";  // メモ in CP932
    return QsoRecord(v);
}

// Loads `bytes` from a file named `name` with a scripted Ui.
struct Loaded {
    CSorvakDoc doc;
    ScriptedUi ui;
    test::TempDir dir;
    std::optional<FileKind> kind;
    Loaded(const std::string& bytes, const std::string& name = "log.qgb",
           LoadMode mode = LoadMode::Load) {
        if (auto result = FileLoad(doc, ui, dir.write(name, bytes), mode)) {
            kind = result->kind;
        }
    }
};

TEST(BinaryLog, QsoRecordLayoutByteForByte) {
    CSorvakDoc doc;
    doc.add(std::make_unique<QsoRecord>(fullQso()));
    std::string bytes = writeBinaryLog(doc);
    ASSERT_EQ(bytes.size(), 2 * kRecordSize);
    RawRecord r = recordAt(bytes, 1);

    EXPECT_NEAR(doubleAt(r, 0), 39774.524259259, 1e-9);
    EXPECT_EQ(lengthPrefixed(r, 8), "JA1ABC/1");
    EXPECT_EQ(lengthPrefixed(r, 21), "10H");
    EXPECT_EQ(lengthPrefixed(r, 52), "13M");
    EXPECT_EQ(r[84] | r[85] << 8, 599);
    EXPECT_EQ(r[86], 0xFE);
    EXPECT_EQ(r[87], 0xFF);
    EXPECT_EQ(r[92], 4);  // mode before band
    EXPECT_EQ(r[93], 11);
    EXPECT_EQ(r[94], 0xFF);  // power -1
    EXPECT_EQ(lengthPrefixed(r, 95), "13");
    EXPECT_EQ(lengthPrefixed(r, 126), "M2");
    EXPECT_EQ(r[157], 1);
    EXPECT_EQ(r[158], 0);
    EXPECT_EQ(r[159], 255);  // points -1
    EXPECT_EQ(lengthPrefixed(r, 160), "JH1QQQ");
    EXPECT_EQ(lengthPrefixed(r, 175), "\x83\x81\x83\x82");
    EXPECT_EQ(r[243], 2);

    // Every byte that holds no field or text is zero.
    RawRecord expectedZero = r;
    for (auto [offset, capacity] : std::vector<std::pair<size_t, size_t>>{
             {8, 12}, {21, 30}, {52, 30}, {95, 30}, {126, 30}, {160, 14}, {175, 67}}) {
        for (size_t i = 0; i <= r[offset]; ++i)
            expectedZero[offset + i] = 0;
        (void)capacity;
    }
    for (size_t offset : {0, 1, 2, 3, 4, 5, 6, 7, 84, 85, 86, 87, 92, 93, 94, 157, 159, 243}) {
        expectedZero[offset] = 0;
    }
    EXPECT_EQ(expectedZero, RawRecord{});
}

TEST(BinaryLog, RecordsRoundTrip) {
    CSorvakDoc doc;
    doc.add(std::make_unique<QsoRecord>(fullQso()));
    Loaded loaded(writeBinaryLog(doc));
    ASSERT_EQ(loaded.kind, KIND_QGB);
    ASSERT_EQ(loaded.doc.count(), 1u);
    QsoValues expected = fullQso().values();
    expected.points = 255;  // one unsigned byte
    const QsoValues& got = loaded.doc.at(0).values();
    EXPECT_EQ(got.time, expected.time);
    EXPECT_EQ(got.callSign, expected.callSign);
    EXPECT_EQ(got.rrst, -2);
    EXPECT_EQ(got.power, -1);
    EXPECT_EQ(got.points, 255);
    EXPECT_EQ(got.band, 11);
    EXPECT_EQ(got.mode, 4);
    EXPECT_EQ(got.memo, expected.memo);
    EXPECT_EQ(got.multi2, "M2");
    EXPECT_EQ(got.txNumber, 2);
    EXPECT_EQ(writeBinaryLog(loaded.doc).substr(kRecordSize),
              writeBinaryLog(doc).substr(kRecordSize));
}

// A text is cut at a whole character, and the cuts are counted.
TEST(BinaryLog, StringsAreCutToTheirCapacity) {
    CSorvakDoc doc;
    auto q = test::qso("JA1ABCDEFGHIJ");  // 13 bytes
    q->setMemo(std::string(70, 'm'));
    std::string kanji;
    for (int i = 0; i < 15; ++i) {
        kanji += "\x93\x8C";  // 東
    }
    q->setSent("1" + kanji);  // 31 bytes: the 30th is a lead byte
    doc.add(std::move(q));
    int cut = 0;
    std::string bytes = writeBinaryLog(doc, cut);
    RawRecord r = recordAt(bytes, 1);
    EXPECT_EQ(lengthPrefixed(r, 8), "JA1ABCDEFGHI");
    EXPECT_EQ(lengthPrefixed(r, 21), "1" + kanji.substr(0, 28));
    EXPECT_EQ(r[175], 67);
    EXPECT_EQ(cut, 3);  // call sign, sent number, memo
    Loaded loaded(bytes);
    EXPECT_EQ(loaded.doc.at(0).sent(), "1" + kanji.substr(0, 28));
}

TEST(BinaryLog, AQsoWithoutATimeReadsBackWithoutOne) {
    CSorvakDoc source;
    source.contest().stationCall = "JA1ZZZ";
    source.add(test::qso("JA1ABC"));
    source.add(test::qso("JA1XYZ"));
    source.at(1).setTime(kNoTime);
    std::string bytes = writeBinaryLog(source);
    EXPECT_EQ(doubleAt(recordAt(bytes, 2), 0), 0.0);
    Loaded loaded(bytes);
    ASSERT_EQ(loaded.doc.count(), 2u);
    EXPECT_EQ(loaded.doc.at(0).time(), source.at(0).time());
    EXPECT_EQ(loaded.doc.at(1).time(), kNoTime);
    EXPECT_EQ(loaded.ui.messageTexts(),
              std::vector<std::string>{"日時が不明なQSOが1件あります。\n日時は空欄にしました。"});
}

TEST(BinaryLogTime, DayCountConversions) {
    int32_t t = makeClockTime({2008, 11, 22, 12, 34, 56});
    double d = dayCountFromTime(t);
    EXPECT_NEAR(d, 39774.524259259259, 1e-9);
    EXPECT_EQ(timeFromDayCount(d), t);
    // A hair below a whole second reads as that second.
    EXPECT_EQ(timeFromDayCount(d - 0.0005 / 86400.0), t);
    EXPECT_EQ(timeFromDayCount(25569.0), 0);
    // Before 1970 is no time, as a QSO without one is written (day 0), so
    // that it reads back the same.
    EXPECT_EQ(timeFromDayCount(25569.0 - 0.5 / 86400.0), kNoTime);
    EXPECT_EQ(timeFromDayCount(0.0), kNoTime);
    EXPECT_EQ(timeFromDayCount(dayCountFromTime(kNoTime)), kNoTime);
    EXPECT_EQ(timeFromDayCount(std::nan("")), kNoTime);
    EXPECT_EQ(timeFromDayCount(1e300), kNoTime);
    EXPECT_EQ(timeFromDayCount(-1e300), kNoTime);
}

TEST(BinaryLog, HeaderRecordFields) {
    CSorvakDoc doc;
    doc.contest() = ContestInfo{2.25, 1, -3, "JA1ZZZ", "ALL JA TEST"};
    RawRecord h = recordAt(writeBinaryLog(doc), 0);
    EXPECT_EQ(doubleAt(h, 0), 2.25);
    EXPECT_EQ(lengthPrefixed(h, 8), "JA1ZZZ");
    EXPECT_EQ(h[84], 0xFF);
    EXPECT_EQ(h[85], 0xFF);
    EXPECT_EQ(h[86], 0xFD);
    EXPECT_EQ(h[87], 0xFF);
    EXPECT_EQ(lengthPrefixed(h, 175), "ALL JA TEST");
    // A document never loaded from a binary log: the uninterpreted bytes are zero.
    for (size_t i = 15; i < 84; ++i)
        EXPECT_EQ(h[i], 0) << i;
    for (size_t i = 88; i < 175; ++i)
        EXPECT_EQ(h[i], 0) << i;
    for (size_t i = 187; i < 256; ++i)
        EXPECT_EQ(h[i], 0) << i;
}

TEST(BinaryLog, HeaderKeepsTheBytesWeDoNotInterpret) {
    CSorvakDoc doc;
    for (size_t i = 0; i < kRecordSize; ++i)
        doc.rawHeader()[i] = 0xAA;
    doc.contest().stationCall = "JA1ZZZ";
    doc.contest().contestName = "TEST";
    RawRecord h = recordAt(writeBinaryLog(doc), 0);
    EXPECT_EQ(lengthPrefixed(h, 8), "JA1ZZZ");
    for (size_t i = 15; i <= 19; ++i)
        EXPECT_EQ(h[i], 0) << i;  // after the call sign
    EXPECT_EQ(h[20], 0xAA);       // kept
    for (size_t i = 21; i < 84; ++i)
        EXPECT_EQ(h[i], 0xAA) << i;
    for (size_t i = 88; i < 175; ++i)
        EXPECT_EQ(h[i], 0xAA) << i;
    for (size_t i = 180; i <= 238; ++i)
        EXPECT_EQ(h[i], 0) << i;  // after the contest name
    for (size_t i = 239; i < 256; ++i)
        EXPECT_EQ(h[i], 0xAA) << i;

    doc.contest().stationCall = "JA1ZZZ/12345";  // 12 bytes fill offset 20
    doc.contest().contestName = std::string(70, 'C');
    h = recordAt(writeBinaryLog(doc), 0);
    EXPECT_EQ(h[20], '5');
    EXPECT_EQ(h[175], 64);
    EXPECT_EQ(h[176 + 63], 'C');
    EXPECT_EQ(h[240], 0xAA);
}

TEST(BinaryLog, AFileOfOnlyAHeaderSetsTheContestHeader) {
    CSorvakDoc source;
    source.contest() = ContestInfo{3.5, 1, 2, "JA1ZZZ", "TEST"};
    std::string bytes = writeBinaryLog(source);
    Loaded loaded(bytes);
    EXPECT_EQ(loaded.doc.count(), 0u);
    EXPECT_EQ(loaded.doc.contest().version, 3.5);
    EXPECT_EQ(loaded.doc.contest().utcFlag, 1);
    EXPECT_EQ(loaded.doc.contest().coefficient, 2);
    EXPECT_EQ(loaded.doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(loaded.doc.contest().contestName, "TEST");
    EXPECT_EQ(loaded.doc.rawHeader(), recordAt(bytes, 0));
    // A UTC header written from scratch fails the content test (byte 83 stays 0).
    EXPECT_EQ(loaded.ui.messageTexts(),
              std::vector<std::string>{"一応Quogバイナリファイルとして読み込みます。"});
}

TEST(BinaryLog, ServerHeaderIsKeptButNotApplied) {
    CSorvakDoc source;
    source.contest() = ContestInfo{2.0, 0, 5, "JA1SRV", "QServer log"};
    source.add(test::qso("JA1ABC"));
    std::string bytes = writeBinaryLog(source);
    Loaded loaded(bytes);
    EXPECT_EQ(loaded.doc.contest().version, 1.0);
    EXPECT_EQ(loaded.doc.contest().stationCall, "");
    EXPECT_EQ(loaded.doc.contest().contestName, "");
    EXPECT_EQ(loaded.doc.count(), 1u);
    EXPECT_EQ(loaded.doc.rawHeader(), recordAt(bytes, 0));
    EXPECT_EQ(writeBinaryLog(loaded.doc).substr(8, 13), bytes.substr(8, 13).replace(0, 7, 7, '\0'));
    EXPECT_EQ(writeBinaryLog(loaded.doc).substr(239), bytes.substr(239));
}

TEST(BinaryLog, AppendKeepsTheDocumentHeaderAndSkipsTheFileHeader) {
    CSorvakDoc source;
    source.contest() = ContestInfo{9.0, 1, 9, "JA9AAA", "OTHER"};
    source.add(test::qso("JA1ABC"));
    Loaded loaded(writeBinaryLog(source), "log.qgb", LoadMode::Append);
    EXPECT_EQ(loaded.doc.count(), 1u);
    EXPECT_EQ(loaded.doc.at(0).callSign(), "JA1ABC");
    EXPECT_EQ(loaded.doc.contest().version, 1.0);
    EXPECT_EQ(loaded.doc.rawHeader(), RawRecord{});
}

TEST(BinaryLog, AShortFinalPieceIsNotAQsoAndIsReported) {
    CSorvakDoc source;
    source.contest().stationCall = "JA1ZZZ";
    source.add(test::qso("JA1ABC"));
    std::string bytes = writeBinaryLog(source) + std::string(100, 'x');
    Loaded loaded(bytes);
    EXPECT_EQ(loaded.doc.count(), 1u);
    EXPECT_EQ(loaded.ui.messageTexts(),
              std::vector<std::string>{
                  "ﾌｧｲﾙの末尾の100ﾊﾞｲﾄは1ﾚｺｰﾄﾞに満たないため読み込みませんでした。\n" +
                  loaded.dir.file("log.qgb")});
    // A whole file says nothing.
    Loaded whole(writeBinaryLog(source));
    EXPECT_TRUE(whole.ui.messageTexts().empty());
}

TEST(BinaryLog, UtcFlagSurvivesASaveAndLoad) {
    CSorvakDoc source;
    source.contest().utcFlag = 1;
    source.add(test::qso("JA1ABC"));
    // Byte 83 stays 0 while 84 is 0xFF: the name makes it binary after a message.
    Loaded loaded(writeBinaryLog(source));
    EXPECT_EQ(loaded.doc.contest().utcFlag, 1);
    EXPECT_EQ(loaded.ui.messageTexts(),
              std::vector<std::string>{"一応Quogバイナリファイルとして読み込みます。"});
}

TEST(BinaryLog, ATextEndsAtANulByte) {
    CSorvakDoc source;
    source.add(test::qso("JA1ABC"));
    std::string bytes = writeBinaryLog(source);
    bytes[kRecordSize + 8] = 6;
    bytes[kRecordSize + 9 + 3] = '\0';
    Loaded loaded(bytes);
    ASSERT_EQ(loaded.doc.count(), 1u);
    EXPECT_EQ(loaded.doc.at(0).callSign(), "JA1");
}

}  // namespace
}  // namespace sorvak
