#include <gtest/gtest.h>

#include <string>

#include "formats/ExportSample.h"
#include "formats/HamlogCsvWriter.h"
#include "formats/LogTaroCsvWriter.h"
#include "formats/SupercheckWriter.h"
#include "formats/Writers.h"

namespace sorvak {
namespace {

using test::crlfLines;

class ExchangeWriters : public ::testing::Test {
  protected:
    ExchangeWriters() { test::addExportSample(doc); }
    CSorvakDoc doc;
};

TEST_F(ExchangeWriters, SupercheckHasNoHeaderAndLongCallsPushTheExchange) {
    EXPECT_EQ(writeSupercheck(doc), crlfLines({
                                        "JA1ABC/1/P 13M",
                                        "7K1XYZ     25L",
                                        "JA1ABCDEFG/MMX",
                                    }));
}

TEST_F(ExchangeWriters, HamlogOldSplitsAtTheFirstSlashAndMarksJst) {
    EXPECT_EQ(
        writeHamlogCsvOld(doc),
        crlfLines({
            R"("JA1ABC","1/P","13","","7","CW","","J","","","261103","0905J","599","579","","","[QTC1/10 JA9XYZ 2026-11-02 0900 599]")",
            R"("7K1XYZ","","25","","430","SSB","","J","","","260121","2359J","59","57","","","[QTC2/10 JA9XYZ 2026-11-02]")",
            R"("JA1ABCDEFG","MM","","","1.9","Other","","J","","","261231","0000J","599","599","","",")"
            "\x83\x81\x83\x82\"",
        }));
}

TEST_F(ExchangeWriters, Hamlog445SplitsTheCallAndMarksUtc) {
    doc.contest().utcFlag = 1;
    EXPECT_EQ(
        writeHamlogCsv445(doc),
        crlfLines({
            R"("JA1ABC","1/P","26/11/03","09:05U","599","579","7","CW","13","","J  ","","","OP1","[QTC1/10 JA9XYZ 2026-11-02 0900 599]")",
            R"("7K1XYZ","","26/01/21","23:59U","59","57","430","SSB","25","","J  ","","","","[QTC2/10 JA9XYZ 2026-11-02]")",
            R"("JA1ABCDEFG","MM","26/12/31","00:00U","599","599","1.9","Other","","","J  ","","",")"
            "\xB5\xCD\xDF\",\"\x83\x81\x83\x82\"",
        }));
}

TEST_F(ExchangeWriters, Hamlog500KeepsTheWholeCallAndEndsInTheZoneDigit) {
    doc.contest().utcFlag = 1;
    EXPECT_EQ(
        writeHamlogCsv500(doc),
        crlfLines({
            R"("JA1ABC/1/P","26/11/03","09:05U","599","579","7","CW","13","","J  ","","","OP1","[QTC1/10 JA9XYZ 2026-11-02 0900 599]","8")",
            R"("7K1XYZ","26/01/21","23:59U","59","57","430","SSB","25","","J  ","","","","[QTC2/10 JA9XYZ 2026-11-02]","8")",
            R"("JA1ABCDEFG/MM","26/12/31","00:00U","599","599","1.9","Other","","","J  ","","",")"
            "\xB5\xCD\xDF\",\"\x83\x81\x83\x82\",\"8\"",
        }));
    doc.contest().utcFlag = 0;
    std::string jst = writeHamlogCsv500(doc);
    EXPECT_EQ(
        jst.substr(0, jst.find('\n') + 1),
        crlfLines({
            R"("JA1ABC/1/P","26/11/03","09:05J","599","579","7","CW","13","","J  ","","","OP1","[QTC1/10 JA9XYZ 2026-11-02 0900 599]","0")",
        }));
}

TEST_F(ExchangeWriters, LogTaroWritesFourDigitYearsAndNoZone) {
    doc.contest().utcFlag = 1;
    EXPECT_EQ(
        writeLogTaroCsv(doc),
        crlfLines({
            R"("JA1ABC/1/P","2026","11","03","09","05","599","579","CW","7","13M","","","")",
            R"("7K1XYZ","2026","01","21","23","59","59","57","SSB","430","25L","","","")",
            R"("JA1ABCDEFG/MM","2026","12","31","00","00","599","599","Other","1.9","X","","","")",
        }));
}

TEST_F(ExchangeWriters, LongValuesAreWrittenWhole) {
    std::string memo(300, 'M');
    doc.at(0).setMemo(memo);
    std::string old = writeHamlogCsvOld(doc);
    EXPECT_EQ(
        old.substr(0, old.find('\n') + 1),
        R"("JA1ABC","1/P","13","","7","CW","","J","","","261103","0905J","599","579","","",")" +
            memo + "\"\r\n");
}

// Codes outside the tables (from a foreign log) have no text: the field is
// left empty, and no writer lets a NUL byte into its file.
TEST_F(ExchangeWriters, UnknownCodesWriteEmptyFieldsAndNoNul) {
    doc.at(0).setBand(-1);
    doc.at(0).setMode(17);
    doc.at(0).setPower(9);
    doc.at(1).setTime(kNoTime);
    for (FileKind kind : {KIND_QGB, KIND_ALL, KIND_DOS_TXT, KIND_CABRILLO, KIND_SUPERCHECK,
                          KIND_HAMLOG_OLD, KIND_HAMLOG_445, KIND_HAMLOG_500, KIND_LOGTARO}) {
        std::optional<std::string> bytes = writeLogFile(doc, kind);
        ASSERT_TRUE(bytes) << kind;
        if (kind != KIND_QGB) {
            EXPECT_EQ(bytes->find('\0'), std::string::npos) << kind;
        }
    }
    std::string taro = writeLogTaroCsv(doc);
    EXPECT_EQ(taro.substr(0, taro.find('\n', taro.find('\n') + 1) + 1),
              crlfLines({
                  R"("JA1ABC/1/P","2026","11","03","09","05","599","579","","","13M","","","")",
                  R"("7K1XYZ","1970","01","01","00","00","59","57","SSB","430","25L","","","")",
              }));
}

}  // namespace
}  // namespace sorvak
