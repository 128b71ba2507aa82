#include "formats/CabrilloWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/FileLoad.h"
#include "formats/ExportSample.h"
#include "formats/QtcNote.h"
#include "model/Vocabulary.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using test::crlfLines;

// The three QSO lines and the one QTC line of the export sample.
const std::string kBody = crlfLines({
    "QSO:  7000 CW 2026-11-03 0905 JA1ZZZ        599 10H    JA1ABC/1/P    579 13M    0",
    "QSO:   432 PH 2026-01-21 2359 JA1ZZZ        59  10H    7K1XYZ        57  25L    1",
    "QSO:  1800 DG 2026-12-31 0000 JA1ZZZ        599 10H    JA1ABCDEFG/MM 599 X      12",
    "QTC:  7000 CW 2026-11-02 0900 JA9XYZ        001/10     JA1ZZZ        0905 JA1ABC/1/P    "
    "13M ",
    "END-OF-LOG:",
});

class CabrilloWriter : public ::testing::Test {
  protected:
    CabrilloWriter() {
        test::addExportSample(doc);
        CabrilloHeader& h = doc.cabrilloHeader();
        h.contest = "JIDX-CW";
        h.callSign = "JA1ZZZ";
        h.category = "SINGLE-OP ALL LOW";
        h.catBand = "40M";
        h.catMode = "CW";
        h.catOperator = "SINGLE-OP";
        h.catPower = "LOW";
        h.name = "Taro";
        h.address = "Tokyo";
    }
    CSorvakDoc doc;
};

TEST_F(CabrilloWriter, Version3WritesLocationAndTheCategoryFieldsGiven) {
    EXPECT_EQ(writeCabrillo(doc), crlfLines({
                                      "START-OF-LOG: 3.0",
                                      "LOCATION: DX",
                                      "CONTEST: JIDX-CW",
                                      "CALLSIGN: JA1ZZZ",
                                      "CATEGORY-BAND: 40M",
                                      "CATEGORY-MODE: CW",
                                      "CATEGORY-OPERATOR: SINGLE-OP",
                                      "CATEGORY-POWER: LOW",
                                      "CREATED-BY: sorvak(Quog)",
                                      "NAME: Taro",
                                      "ADDRESS: Tokyo",
                                  }) + kBody);
}

TEST_F(CabrilloWriter, Version3WritesAllNineCategoryFieldsInOrder) {
    CabrilloHeader& h = doc.cabrilloHeader();
    h.catAssisted = "ASSISTED";
    h.catStation = "FIXED";
    h.catTime = "6-HOURS";
    h.catTransmitter = "ONE";
    h.catOverlay = "ROOKIE";
    h.location = "";
    h.name = "";
    std::string file = writeCabrillo(doc);
    EXPECT_EQ(file.substr(0, file.find("QSO:")), crlfLines({
                                                     "START-OF-LOG: 3.0",
                                                     "CONTEST: JIDX-CW",
                                                     "CALLSIGN: JA1ZZZ",
                                                     "CATEGORY-ASSISTED: ASSISTED",
                                                     "CATEGORY-BAND: 40M",
                                                     "CATEGORY-MODE: CW",
                                                     "CATEGORY-OPERATOR: SINGLE-OP",
                                                     "CATEGORY-POWER: LOW",
                                                     "CATEGORY-STATION: FIXED",
                                                     "CATEGORY-TIME: 6-HOURS",
                                                     "CATEGORY-TRANSMITTER: ONE",
                                                     "CATEGORY-OVERLAY: ROOKIE",
                                                     "CREATED-BY: sorvak(Quog)",
                                                     "ADDRESS: Tokyo",
                                                 }));
}

TEST_F(CabrilloWriter, Version2WritesSectionAndCategoryOnly) {
    doc.setCabrilloVersion(2);
    EXPECT_EQ(writeCabrillo(doc), crlfLines({
                                      "START-OF-LOG: 2.0",
                                      "ARRL-SECTION: DX",
                                      "CONTEST: JIDX-CW",
                                      "CALLSIGN: JA1ZZZ",
                                      "CATEGORY: SINGLE-OP ALL LOW",
                                      "CREATED-BY: sorvak(Quog)",
                                      "NAME: Taro",
                                      "ADDRESS: Tokyo",
                                  }) + kBody);
    doc.cabrilloHeader().category = "";
    doc.cabrilloHeader().location = "";
    std::string file = writeCabrillo(doc);
    EXPECT_EQ(file.substr(0, file.find("CREATED-BY")), crlfLines({
                                                           "START-OF-LOG: 2.0",
                                                           "CONTEST: JIDX-CW",
                                                           "CALLSIGN: JA1ZZZ",
                                                       }));
}

TEST_F(CabrilloWriter, AnotherVersionWritesNoStartLine) {
    doc.setCabrilloVersion(4);
    std::string file = writeCabrillo(doc);
    EXPECT_EQ(file.substr(0, file.find("CREATED-BY")), crlfLines({
                                                           "CONTEST: JIDX-CW",
                                                           "CALLSIGN: JA1ZZZ",
                                                       }));
}

TEST_F(CabrilloWriter, UnknownBandAndModeLeaveTheirFieldsBlank) {
    doc.at(1).setBand(-1);
    doc.at(1).setMode(-1);
    std::string file = writeCabrillo(doc);
    size_t second = file.find("QSO:", file.find("QSO:") + 1);
    EXPECT_EQ(
        file.substr(second, file.find('\n', second) + 1 - second),
        "QSO:          2026-01-21 2359 JA1ZZZ        59  10H    7K1XYZ        57  25L    1\r\n");
}

TEST_F(CabrilloWriter, MicrowaveBandsAndTheOtherModeHaveTheirCabrilloFields) {
    doc.at(0).setBand(15);
    doc.at(0).setMode(5);
    doc.at(1).setBand(12);
    std::string file = writeCabrillo(doc);
    size_t first = file.find("QSO:");
    EXPECT_EQ(
        file.substr(first, file.find("QSO:  1800") - first),
        test::crlfLines({
            "QSO:   10G DG 2026-11-03 0905 JA1ZZZ        599 10H    JA1ABC/1/P    579 13M    0",
            "QSO:  1.2G PH 2026-01-21 2359 JA1ZZZ        59  10H    7K1XYZ        57  25L    1",
        }));
}

// Nothing is refused, but the user hears of the lines a sponsor's program
// would find fields missing in, before the file is written.
TEST_F(CabrilloWriter, IncompleteLinesAreCountedWithTheFirstLineNumber) {
    EXPECT_FALSE(cabrilloIncompleteLines(doc));
    doc.at(1).setCallSign("");
    doc.at(2).setTime(kNoTime);
    doc.at(2).setRcvd("");
    EXPECT_EQ(cabrilloIncompleteLines(doc),
              "時刻、ｺｰﾙｻｲﾝ、ﾅﾝﾊﾞｰ、ﾊﾞﾝﾄﾞ、ﾓｰﾄﾞのどれかが空欄のQSO行が2行あります。"
              "最初は13行目です。\nｺﾝﾃｽﾄの受付で受け付けられないことがあります。");
    doc.at(1).setCallSign("7K1XYZ");
    doc.at(2).setTime(0);
    doc.at(2).setRcvd("X");
    doc.at(0).setBand(-1);
    EXPECT_NE(cabrilloIncompleteLines(doc)->find("1行あります。最初は12行目"), std::string::npos);
}

TEST(CabrilloTexts, OurReaderReadsEveryBandBack) {
    CSorvakDoc doc;
    doc.cabrilloHeader().callSign = "JA1ZZZ";
    std::vector<int> bands;
    for (int band = 0; band < kBandCount; ++band) {
        auto qso = std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                        .month = 11,
                                                        .day = 3,
                                                        .hhmm = band,
                                                        .callSign = "JA1ABC",
                                                        .srst = 599,
                                                        .sent = "10H",
                                                        .rrst = 599,
                                                        .rcvd = "13M",
                                                        .bandText = std::string(bandTextOf(band)),
                                                        .modeText = band % 2 ? "RTTY" : "CW"});
        doc.add(std::move(qso));
        bands.push_back(band);
    }
    test::TempDir dir;
    std::string path = dir.write("log.cbr", writeCabrillo(doc));
    CSorvakDoc read;
    ScriptedUi ui;
    ASSERT_EQ(FileLoad(read, ui, path, LoadMode::Load)->kind, KIND_CABRILLO);
    std::vector<int> readBands;
    for (const auto& qso : read.qsoList()) {
        readBands.push_back(qso->band());
    }
    EXPECT_EQ(readBands, bands);
}

TEST(QtcNoteParse, ReadsAllEightValuesAsScanfWould) {
    auto note = parseQtcNote("[QTC12/ 3\tJA9XYZ/P 2026-1-2 930 x] rest of the memo");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->serial, 12);
    EXPECT_EQ(note->count, 3);
    EXPECT_EQ(note->callSign, "JA9XYZ/P");
    EXPECT_EQ(note->year, 2026);
    EXPECT_EQ(note->month, 1);
    EXPECT_EQ(note->day, 2);
    EXPECT_EQ(note->hhmm, 930);
    // The widths split digits that run together.
    auto packed = parseQtcNote("[QTC1/1 JA1A 20261102 0900 x]");
    EXPECT_FALSE(packed);
    auto widths = parseQtcNote("[QTC1/1 JA1A 2026-11-020900 x]");
    ASSERT_TRUE(widths);
    EXPECT_EQ(widths->month, 11);
    EXPECT_EQ(widths->day, 2);
    EXPECT_EQ(widths->hhmm, 900);
}

TEST(QtcNoteParse, RefusesIncompleteOrOverflowingNotes) {
    for (const char* memo :
         {"", "[QTC", "QTC1/10 JA9XYZ 2026-11-02 0900 599]", "[QTC1/10 JA9XYZ 2026-11-02 0900",
          "[QTC1/10 JA9XYZ 2026-11-02 0900 ", "[QTC1-10 JA9XYZ 2026-11-02 0900 599]",
          "[QTC99999999999/10 JA9XYZ 2026-11-02 0900 599]", "[QTC-/1 A 1-1-1 1 x]"}) {
        EXPECT_FALSE(parseQtcNote(memo)) << memo;
    }
    std::string longCall(400, 'C');
    auto note = parseQtcNote("[QTC1/2 " + longCall + " 2026-11-02 0900 x]");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->callSign, longCall);
}

}  // namespace
}  // namespace sorvak
