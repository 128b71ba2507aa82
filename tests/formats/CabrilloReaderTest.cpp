#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "formats/CabrilloWriter.h"
#include "formats/Readers.h"
#include "formats/Writers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

const std::string kUtcAppended =
    "このﾌｧｲﾙの時刻はUTCです。\nJSTのﾛｸﾞに時刻をそのまま追加しました。";

class CabrilloReader : public test::LogReaderTest {
  protected:
    void read(const std::string& bytes, LoadMode mode = LoadMode::Load) {
        readBytes(readCabrillo, "in.cbr", bytes, mode);
    }
    // The QSO of one line; a line that gives none fails the test.
    std::string qsoOf(const std::string& line) {
        doc.clear();
        ui.events.clear();
        read("START-OF-LOG: 3.0\r\n" + line + "\r\nEND-OF-LOG:\r\n");
        EXPECT_EQ(doc.count(), 1u) << line;
        return doc.empty() ? "" : test::describe(doc.at(0));
    }
};

TEST_F(CabrilloReader, EveryBandReadsBackFromTheFrequencyTheWriterGivesIt) {
    CSorvakDoc source;
    source.cabrilloHeader().callSign = "JA1ZZZ";
    for (int band = 0; band < 16; ++band) {
        QsoValues v;
        v.time = 0;
        v.callSign = "JA1ABC";
        v.sent = "10H";
        v.rcvd = "13M";
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

// The lines of many contests and programs (each in the style of a real log),
// each read with its call and both exchanges, and a transmitter number only
// where the line has one.
TEST_F(CabrilloReader, ReadsTheExchangesOfEveryContestByTheirFields) {
    const std::pair<const char*, const char*> cases[] = {
        // RST and one word, with and without a transmitter number
        {"QSO:  7000 CW 2024-02-17 0022 JA1ZZZ        599 10H    JA1ABC        599 13M    1",
         "2024-02-17 00:22|JA1ABC|599|10H|599|13M| 0| 0|7|CW|P|1|1||"},
        {"QSO: 28050 CW 2024-12-14 1324 VE9XX 599 ON LY9Z 599 535",
         "2024-12-14 13:24|LY9Z|599|ON|599|535| 0| 0|28|CW|P|1|0||"},
        // Sweepstakes
        {"QSO: 14050 CW 2024-11-02 2101 K9XX 0001 U 69 STX K8ZZ 0002 M 64 MI",
         "2024-11-02 21:01|K8ZZ|0|0001 U 69 STX|0|0002 M 64 MI| 0| 0|14|CW|P|1|0||"},
        // Field Day
        {"QSO:   14025 CW 2025-06-28 1801 W9ZZ          4A     GA  W4XYZ         1E   IL      ",
         "2025-06-28 18:01|W4XYZ|0|4A GA|0|1E IL| 0| 0|14|CW|P|1|0||"},
        // NAQP
        {"QSO:   28044 CW 2025-01-11 1800 K9ZZ            Ed         SC  VE2XX           DUB  QC  ",
         "2025-01-11 18:00|VE2XX|0|Ed SC|0|DUB QC| 0| 0|28|CW|P|1|0||"},
        // VHF grids only, and WW Digi
        {"QSO:   144 PH 2024-06-08 1800 K9ZZ FN42 W1XYZ FN31",
         "2024-06-08 18:00|W1XYZ|0|FN42|0|FN31| 0| 0|144|SSB|P|1|0||"},
        {"QSO: 14074 DG 2024-08-31 1200 K9ZZ          FN42   JA1XYZ        PM95  ",
         "2024-08-31 12:00|JA1XYZ|0|FN42|0|PM95| 0| 0|14|Other|P|1|0||"},
        // A report and two words, a two-transmitter line
        {"QSO:   14119 RY 2024-09-28 0002 K9ZZ             599 05  MD   W9XX             599 04  "
         "IL   ",
         "2024-09-28 00:02|W9XX|599|05 MD|599|04 IL| 0| 0|14|RTTY|P|1|0||"},
        {"QSO: 21031 CW 2025-07-12 1215 GB9XX 599 27 RC9Z 599 29 DX 1",
         "2025-07-12 12:15|RC9Z|599|27|599|29 DX|"
         " 0| 0|21|CW|P|1|1||"},
        // QSO-party exchanges of different lengths (name, member number or NM)
        {"QSO:  7033 CW 2024-03-21 1901 DJ9ZZ         599 HANS/124            M0XXX         599 "
         "MICHAEL 217          ",
         "2024-03-21 19:01|M0XXX|599|HANS/124|599|MICHAEL 217| 0| 0|7|CW|P|1|0||"},
        {"QSO: 14057 CW 2024-03-21 1901 I9ZZZ         599 599VANNI164 ON9XX         599 NTC 154   "
         "2 "
         "POINTS ",
         "2024-03-21 19:01|ON9XX|599|599VANNI164|599|NTC 154 2 POINTS| 0| 0|14|CW|P|1|0||"},
        {"QSO:  7030 CW 2024-03-21 1902 OK9ZZ         599  LAD NTC# 215     SP9XXX        599  "
         "PIOTR "
         "     111      ",
         "2024-03-21 19:02|SP9XXX|599|LAD NTC# 215|599|PIOTR 111| 0| 0|7|CW|P|1|0||"},
    };
    for (const auto& [line, qso] : cases) {
        EXPECT_EQ(qsoOf(line), qso) << line;
        EXPECT_TRUE(ui.events.empty()) << line;
    }
}

// A serial number of the RST form is a report only when every line of the
// log begins its exchanges with one.
TEST_F(CabrilloReader, ReportsAreTheLogsWhenEveryExchangeBeginsWithOne) {
    read(
        "QSO: 28026 CW 2024-11-02 2101 K9ZZ 1 U 71 MDC K6XX 001 U 74 SF\r\n"
        "QSO: 28026 CW 2024-11-02 2301 K9ZZ 145 U 71 MDC W1XX 231 A 55 CT\r\n");
    EXPECT_EQ(described()[1],
              "2024-11-02 23:01|W1XX|0|145 U 71 MDC|0|231 A 55 CT| 0| 0|28|CW|P|1|0||");
    doc.clear();
    read("QSO: 28026 CW 2024-11-02 2301 K9ZZ 599 U 71 MDC W1XX 579 A 55 CT\r\n");
    EXPECT_EQ(described()[0], "2024-11-02 23:01|W1XX|599|U 71 MDC|579|A 55 CT| 0| 0|28|CW|P|1|0||");
}

// Lines that fit no layout are not guessed from the line before.
TEST_F(CabrilloReader, CountsTheLinesThatFitNoLayout) {
    read(
        "START-OF-LOG: 3.0\r\n"
        "QSO: 14000 CW 2026-11-22 1234 JA1ZZZ        599 10H    JA1ABC        599 12M    1\r\n"
        "QSO:  7000 PH 2026-11-23 0001 JA1ZZZ        59  10H    JA2ABC\r\n"
        "QSO:    50 FM\n"
        "QSO: 21000 RY 2026-11-23 0002 JA1ZZZ 599 1 JA1ABCDEFGHIJKLMNOP 599 123456789 2\r\n"
        "QSO: 28000 DG 2026/11/23 0003 JA1ZZZ 599 1 JA1ABC 599 2\r\n"
        "X-QSO: 14000 CW 2026-11-22 1234\r\n"
        "END-OF-LOG:\r\n");
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2026-11-22 12:34|JA1ABC|599|10H|599|12M| 0| 0|14|CW|P|1|1||",
                  "2026-11-23 00:02|JA1ABCDEFGHIJKL|599|1|599|123456789| 0| 0|21|RTTY|P|1|2||"}));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"読み込めないQSO行が3行あります。最初は3行目です。\n"
                                       "これらの行は読み込みませんでした。"});
}

TEST_F(CabrilloReader, ReadsTheBandFieldsAboveOneGigahertzAndCountsTheBandsNotHeld) {
    std::string file;
    for (const char* field : {"1.2G", "2.3G", "5.7G", "10G", "1.2", "10", "50", "144", "432",
                              "144200", "222", "3.4G", "24G", "LIGHT"}) {
        file +=
            std::string("QSO: ") + field + " CW 2024-06-08 1800 K9ZZ 599 FN42 W1XYZ 599 FN31\r\n";
    }
    read(file);
    std::vector<std::string> bands;
    for (const auto& qso : doc.qsoList()) {
        bands.emplace_back(qso->bandText());
        EXPECT_EQ(qso->callSign(), "W1XYZ");
    }
    EXPECT_EQ(bands, (std::vector<std::string>{"1200", "2400", "5600", "10G", "1200", "10G", "50",
                                               "144", "430", "144", "", "", "", ""}));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"ﾊﾞﾝﾄﾞが不明なQSOが4件あります。\nﾊﾞﾝﾄﾞは空欄にしました。"});
}

// The times are UTC: a load says so, so an ADIF export keeps them; appended
// to a JST log they stay as they are, and the user is told once.
TEST_F(CabrilloReader, ALoadIsUtcAndAnAppendToAJstLogSaysSo) {
    const std::string file =
        "START-OF-LOG: 3.0\r\n"
        "QSO: 21008 CW 2024-07-13 1200 N9ZZ 599 08 JR1XYZ 599 45 1\r\n"
        "QSO: 21008 CW 2024-07-13 1203 N9ZZ 599 08 NP4X 599 11 1\r\n";
    std::string path = dir.write("iaru.log", file);
    ASSERT_TRUE(FileLoad(doc, ui, path, LoadMode::Load)->taken);
    EXPECT_EQ(doc.contest().utcFlag, 1);
    std::string adif = writeLogFile(doc, KIND_ADI).value();
    EXPECT_NE(adif.find("<QSO_DATE:8>20240713 <TIME_ON:6>120000"), std::string::npos) << adif;
    FileLoad(doc, ui, path, LoadMode::Append);
    EXPECT_TRUE(ui.events.empty());

    doc.clear();
    read(file, LoadMode::Append);
    EXPECT_EQ(doc.contest().utcFlag, 0);
    EXPECT_EQ(described()[0], "2024-07-13 12:00|JR1XYZ|599|08|599|45| 0| 0|21|CW|P|1|1||");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kUtcAppended});
}

// Lines written here end in the transmitter number, of any size, and read
// back as they were written, exchanges of every length included.
TEST_F(CabrilloReader, AFileWrittenHereReadsBackWhole) {
    CSorvakDoc source;
    source.cabrilloHeader().callSign = "JA1ZZZ";
    auto add = [&source](const char* call, int srst, const char* sent, int rrst, const char* rcvd,
                         int tx) {
        source.add(std::make_unique<QsoRecord>(QsoParts{.year = 2024,
                                                        .month = 3,
                                                        .day = 21,
                                                        .hhmm = 1902,
                                                        .callSign = call,
                                                        .srst = srst,
                                                        .sent = sent,
                                                        .rrst = rrst,
                                                        .rcvd = rcvd,
                                                        .bandText = "7",
                                                        .modeText = "CW",
                                                        .powerLetter = 'P',
                                                        .points = 1,
                                                        .txNumber = tx}));
    };
    add("JA1ABC", 599, "10H", 599, "X", 12);
    add("SP9XXX", 599, "LAD NTC# 215", 599, "PIOTR 111", 0);
    add("K8ZZ", 0, "0001 U 69 STX", 0, "0002 M 64 MI", 3);
    add("W1XYZ", 0, "FN42", 0, "FN31", 0);
    // Exchanges of different lengths that begin with reports, without reports of their own.
    add("M0XXX", 0, "599 HANS/124", 0, "599 MICHAEL 217", 1);
    read(writeCabrillo(source));
    std::vector<std::string> written;
    for (const auto& qso : source.qsoList()) {
        written.push_back(test::describe(*qso));
    }
    EXPECT_EQ(described(), written);
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
    read(
        "CALLSIGN: JA1NEW\r\nQSO: 7000 CW 2026-11-22 1234 JA1NEW 599 10H JA1ABC 599 13M\r\n"
        "CONTEST: NEW TEST\r\n",
        LoadMode::Append);
    EXPECT_EQ(doc.contest().stationCall, "JA1NEW");
    EXPECT_EQ(doc.contest().contestName, "NEW TEST");
    EXPECT_EQ(doc.count(), 1u);
}

}  // namespace
}  // namespace sorvak
