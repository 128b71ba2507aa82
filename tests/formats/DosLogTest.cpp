#include "formats/DosLog.h"

#include <gtest/gtest.h>

#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

const std::string kNarrowHeader =
    "mon day time  callsign      sent         rcvd      multi   MHz mode pts memo\r\n";

QsoParts sampleParts(const std::string& call, const std::string& sent, const std::string& rcvd) {
    QsoParts p = test::sampleParts(call);
    p.sent = sent;
    p.rcvd = rcvd;
    p.bandText = "7";
    p.modeText = "CW";
    p.points = 1;
    return p;
}

class DosLog : public test::LogReaderTest {
  protected:
    void add(const QsoParts& p) { source.add(std::make_unique<QsoRecord>(p)); }
    // Reads the bytes as a file last modified in 2008.
    void read(const std::string& bytes) {
        readBytes(readDosLog, "in.txt", bytes, LoadMode::Load, 2008);
    }

    CSorvakDoc source;
};

// An empty received number reads as empty, not as the next item of the line.
TEST_F(DosLog, WritesTheNarrowLayoutAndReadsItBack) {
    QsoParts plain = sampleParts("JA1ABC", "10H", "12M");
    plain.multi = "12";
    plain.multi2 = "M2";
    plain.memo = "hello";
    add(plain);
    QsoParts op = sampleParts("JA1OP", "123456789", "");
    op.bandText = "14";
    op.operatorName = "JA1XYZ";
    op.txNumber = 2;
    add(op);
    QsoParts multi = sampleParts("JA2ABC", "5", "");
    multi.multi = "AB";
    multi.memo = "m";
    add(multi);

    std::string file = writeDosLog(source);
    EXPECT_EQ(file, kNarrowHeader +
                        " 11  22 1234 JA1ABC     59910H       59912M           12     7  CW  1   "
                        "hello\r\n"
                        " 11  22 1234 JA1OP      599123456789 599                    14  CW  1   "
                        "%%JA1XYZ%%         TX#2 \r\n"
                        " 11  22 1234 JA2ABC     5995         599              AB     7  CW  1   "
                        "m\r\n");
    read(file);
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2008-11-22 12:34|JA1ABC|599|10H|599|12M|12 1| 0|7|CW|H|1|0||hello",
                  "2008-11-22 12:34|JA1OP|599|123456789|599|| 0| 0|14|CW|P|1|2|JA1XYZ|",
                  "2008-11-22 12:34|JA2ABC|599|5|599||AB 1| 0|7|CW|P|1|0||m"}));
}

TEST_F(DosLog, TenCharactersSwitchToTheWideLayoutWhichTheReaderFindsInTheHeader) {
    QsoParts p = sampleParts("JA1ABC", "1234567890", "12M");
    p.multi = "12";
    p.operatorName = "OP";
    p.memo = "hello";
    add(p);
    std::string file = writeDosLog(source);
    EXPECT_EQ(file, "mon day time  callsign      sent" + std::string(30, ' ') + "rcvd" +
                        std::string(27, ' ') + "multi   MHz mode pts memo\r\n" +
                        " 11  22 1234 JA1ABC     5991234567890                     59912M      "
                        "                          12     7  CW  1   %%OP%% hello\r\n");
    read(file);
    EXPECT_EQ(described(), (std::vector<std::string>{
                               "2008-11-22 12:34|JA1ABC|599|1234567890|599|12M|12 1| 0|7|CW|P|1|0|"
                               "OP|hello"}));
}

TEST_F(DosLog, EveryQsoTakesTheYearOfTheFileTime) {
    read(kNarrowHeader +
         "  2  29 0930 JA1ABC     5991         5992                    7  CW  1  \r\n" +
         " 12  31 2359 JA2ABC\r\n");
    EXPECT_EQ(described(),
              (std::vector<std::string>{"2008-02-29 09:30|JA1ABC|599|1|599|2| 0| 0|7|CW|P|1|0||",
                                        "2008-12-31 23:59|JA2ABC|0||0|| 0| 0|||P|0|0||"}));
}

TEST_F(DosLog, ALineWithoutItsDateAsksAndYesTakesTheColumns) {
    ui.answers = {Answer::Yes};
    read(kNarrowHeader +
         " 11   x 1234 JA1ABC     5991         5992                    7  CW  1  \r\n");
    EXPECT_EQ(
        ui.messageTexts(),
        (std::vector<std::string>{"2 行目で読み込みに失敗しました。続行しますか?\n 11   x 1234 "
                                  "JA1ABC     5991         5992                    7  CW  1  "}));
    EXPECT_EQ(described(),
              (std::vector<std::string>{"no time|JA1ABC|599|1|599|2| 0| 0|7|CW|P|1|0||"}));
}

TEST_F(DosLog, AnEmptyCallSignDoesNotTakeTheReport) {
    read(kNarrowHeader +
         " 11  22 1234            5991         5992                    7  CW  1  \r\n");
    EXPECT_EQ(described(),
              (std::vector<std::string>{"2008-11-22 12:34||599|1|599|2| 0| 0|7|CW|P|1|0||"}));
}

// Modes longer than their three columns push the points and the tail, and
// a QSO without a time is written with zeros that read back as no time.
TEST_F(DosLog, AWrittenLogReadsBackTheSameRecords) {
    for (const std::string mode : {"CW", "RTTY", "Other"}) {
        for (const std::string op : {"", "JA1OP"}) {
            for (int tx : {0, 3}) {
                for (const std::string memo : {"", "\x83\x81\x83\x82 %% memo"}) {
                    QsoParts p = sampleParts("JA1" + std::to_string(tx), "59" + op + "M", "1234");
                    p.modeText = mode;
                    p.powerLetter = 'M';
                    p.multi = tx == 0 ? "" : "AB";
                    p.operatorName = op;
                    p.txNumber = tx;
                    p.memo = memo;
                    add(p);
                }
            }
        }
    }
    QsoParts noTime = sampleParts("JA1NT", "1", "2");
    noTime.month = 0;
    add(noTime);
    std::string file = writeDosLog(source);
    EXPECT_NE(file.find("\r\n  0   0 0000 JA1NT "), std::string::npos);
    read(file);
    ASSERT_EQ(doc.count(), source.count());
    for (size_t i = 0; i < doc.count(); ++i) {
        EXPECT_EQ(test::describe(doc.at(i)), test::describe(source.at(i)));
    }
}

}  // namespace
}  // namespace sorvak
