#include <gtest/gtest.h>

#include "formats/CabrilloWriter.h"
#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

class CabrilloReader : public test::LogReaderTest {
  protected:
    void read(const std::string& bytes, LoadMode mode = LoadMode::Load) {
        readBytes(readCabrillo, "in.cbr", bytes, mode);
    }
};

TEST_F(CabrilloReader, EveryBandReadsBackFromTheFrequencyTheWriterGivesIt) {
    CSorvakDoc source;
    for (int band = 0; band < 16; ++band) {
        QsoValues v;
        v.time = 0;
        v.band = band;
        v.mode = 0;
        source.add(std::make_unique<QsoRecord>(v));
    }
    read(writeCabrillo(source));
    ASSERT_EQ(doc.count(), 16u);
    for (int band = 0; band < 16; ++band) {
        EXPECT_EQ(doc.at(static_cast<size_t>(band)).band(), band);
    }
}

// Each line takes the fields it has; the others stay as the line before had them.
TEST_F(CabrilloReader, ReadsModesAndKeepsThePreviousValuesOfMissingFields) {
    read(
        "START-OF-LOG: 3.0\r\n"
        "QSO: 14000 CW 2026-11-22 1234 JA1ZZZ        599 10H    JA1ABC        599 12M    1\r\n"
        "QSO:  7000 PH 2026-11-23 0001 JA1ZZZ        59  10H    JA2ABC\r\n"
        "QSO:    50 FM\n"
        "QSO: 21000 RY 2026-11-23 0002 JA1ZZZ 599 1 JA1ABCDEFGHIJKLMNOP 599 123456789 2\r\n"
        "QSO: 28000 DG 2026-11-23 0003\r\n"
        "X-QSO: 14000 CW 2026-11-22 1234\r\n"
        "END-OF-LOG:\r\n");
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2026-11-22 12:34|JA1ABC|599|10H|599|12M| 0| 0|14|CW|P|1|1||",
                  "2026-11-23 00:01|JA2ABC|59|10H|599|12M| 0| 0|7|SSB|P|1|1||",
                  "2026-11-23 00:01|JA2ABC|59|10H|599|12M| 0| 0|50|FM|P|1|1||",
                  "2026-11-23 00:02|JA1ABCDEFGHIJKL|599|1|599|1234567| 0| 0|21|RTTY|P|1|2||",
                  "2026-11-23 00:03|JA1ABCDEFGHIJKL|599|1|599|1234567| 0| 0|28|Other|P|1|2||"}));
}

// A line is read up to 254 bytes, its line feed included; the rest of a
// longer line is never a line of its own.
TEST_F(CabrilloReader, TheRestOfALongLineIsNotReadAsALine) {
    const std::string qso = "QSO: 7000 CW 2026-11-22 1234 JA1ZZZ 599 1 JA1ABC 599 2";
    std::string soapbox = "SOAPBOX: " + std::string(245, 'x');
    std::string whole = qso + std::string(252 - qso.size(), ' ') + "\r\n";
    ASSERT_EQ(soapbox.size(), 254u);
    ASSERT_EQ(whole.size(), 254u);
    read("START-OF-LOG: 3.0\r\n" + soapbox + qso + "\r\n" + whole + soapbox + "\n" + whole);
    EXPECT_EQ(described(), std::vector<std::string>(
                               2, "2026-11-22 12:34|JA1ABC|599|1|599|2| 0| 0|7|CW|P|1|0||"));
}

TEST_F(CabrilloReader, ContestLinesReplaceTheHeaderInEveryMode) {
    doc.contest().stationCall = "JA1OLD";
    doc.contest().contestName = "OLD";
    read("CALLSIGN: JA1NEW\r\nQSO: 7000 CW 2026-11-22 1234\r\nCONTEST: NEW TEST\r\n",
         LoadMode::Append);
    EXPECT_EQ(doc.contest().stationCall, "JA1NEW");
    EXPECT_EQ(doc.contest().contestName, "NEW TEST");
    EXPECT_EQ(doc.count(), 1u);
}

}  // namespace
}  // namespace sorvak
