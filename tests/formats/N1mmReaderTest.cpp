#include <gtest/gtest.h>

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

}  // namespace
}  // namespace sorvak
