#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

const std::string kColumnHeader =
    "Date     Time   Freq   Mode MyCall       Snt Exch   HisCall         Rcvd Exch     Mult   "
    "Pts\r\n";

// A data line with its multiplier at column 83 and points at column 90.
std::string dataLine(const std::string& frequency, const std::string& multi = "",
                     const std::string& points = "") {
    std::string line = "20261122 1234 " + frequency + " CW JA1ZZZ 599 10H JA1ABC 599 12M";
    line.resize(83, ' ');
    line += multi;
    line.resize(90, ' ');
    return line + points + "\r\n";
}

class N1mmReader : public test::LogReaderTest {
  protected:
    void read(const std::string& bytes) { readBytes(readN1mmLog, "in.txt", bytes); }
    std::vector<std::string> bands() const {
        std::vector<std::string> texts;
        for (const auto& q : doc.qsoList()) {
            texts.emplace_back(q->bandText());
        }
        return texts;
    }
};

TEST_F(N1mmReader, MapsFrequenciesToBandsAtTheThresholds) {
    std::string file = kColumnHeader;
    for (const char* f : {"1800", "3499.9", "3500", "13999.9", "14000", "17999", "18000", "143999",
                          "144000", "429999", "430000", "9999999"}) {
        file += dataLine(f);
    }
    read(file);
    EXPECT_EQ(bands(), (std::vector<std::string>{"1.9", "1.9", "3.5", "10", "14", "14", "18", "50",
                                                 "144", "144", "430", "10G"}));
}

TEST_F(N1mmReader, ReadsAfterTheHeaderAndStopsAtAnEmptyLine) {
    read("CALLSIGN: JA1ZZZ\r\nCONTEST: ALL JA\r\n" + kColumnHeader + dataLine("7010.5", "13", "2") +
         "20261122 1235 7020 PH JA1ZZZ 59 10H JA2ABC 59 12H\r\n\n" + dataLine("7030"));
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().contestName, "ALL JA");
    ASSERT_EQ(doc.count(), 2u);
    EXPECT_EQ(test::describe(doc.at(0)),
              "2026-11-22 12:34|JA1ABC|599|10H|599|12M|13 1| 0|7|CW|P|2|0||");
    // A line too short for the multiplier and points keeps the previous points.
    EXPECT_EQ(test::describe(doc.at(1)),
              "2026-11-22 12:35|JA2ABC|59|10H|59|12H| 0| 0|7|SSB|P|2|0||");
}

TEST_F(N1mmReader, StopsSilentlyAtALineWithoutItsTwelveValues) {
    read(kColumnHeader + dataLine("7000") + "20261122 1236 7000 CW JA1ZZZ 599\r\n" +
         dataLine("7000"));
    EXPECT_EQ(doc.count(), 1u);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(N1mmReader, AFileWithoutTheHeaderGivesNoQsos) {
    read(dataLine("7000") + kColumnHeader.substr(0, 91) + "\r\n" + dataLine("7000"));
    EXPECT_EQ(doc.count(), 0u);
}

// Today's generic files have a heading of their own and no CREATED-BY line;
// their items are read by the heading's columns.
TEST_F(N1mmReader, TodaysGenericFileIsKnownByItsHeadingAndReadByItsColumns) {
    std::string path = dir.write(
        "vhf.txt",
        "Date     Time    Freq     Mode MyCall        Snt Exchange    Call             Rcvd "
        "Exchange   Pts Comment\r\n"
        "20190907 1402   144000,00  USB S59ABC         59 001 JN76TO  9A5AY             59 002 "
        "JN85OK   179\r\n"
        "\r\n"
        "20190907 1415     1830.50   CW S59ABC        599 002 JN76TO  OE9XYZ/P         579 014 "
        "JN47AA    12 weak signal\r\n"
        "20190907 1420   432100,00  LSB S59ABC         59 003 JN76TO\r\n");
    ASSERT_EQ(FileLoad(doc, ui, path, LoadMode::Load)->kind, KIND_N1MM);
    EXPECT_EQ(doc.contest().utcFlag, 1);
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2019-09-07 14:02|9A5AY|59|001 JN76TO|59|002 JN85OK| 0| 0|144|SSB|P|179|0||",
                  "2019-09-07 14:15|OE9XYZ/P|599|002 JN76TO|579|014 JN47AA| 0| 0|1.9|CW|P|12|0||"
                  "weak signal"}));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"読み込めないQSO行が1行あります。最初は5行目です。\n"
                                       "これらの行は読み込みませんでした。"});
}

}  // namespace
}  // namespace sorvak
