#include "formats/AllLog.h"

#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

class AllLog : public test::LogReaderTest {
  protected:
    void add(const QsoParts& p) { source.add(std::make_unique<QsoRecord>(p)); }
    void read(const std::string& bytes, LoadMode mode = LoadMode::Load) {
        readBytes(readAllLog, "in.all", bytes, mode);
    }

    CSorvakDoc source;
};

// One QSO for each way the tail is laid out, and the columns a long value pushes.
TEST_F(AllLog, WritesFixedColumnsAndTheTailAndReadsThemBack) {
    QsoParts plain = test::sampleParts("JA1ABC");
    plain.sent = "10H";
    plain.rcvd = "12M";
    plain.multi = "12";
    plain.bandText = "7";
    plain.modeText = "CW";
    plain.points = 1;
    plain.memo = "hello";
    add(plain);
    QsoParts op = test::sampleParts("JA1OP");
    op.sent = "12345678";
    op.rcvd = "1234567";
    op.operatorName = "JA1XYZ";
    op.txNumber = 2;
    op.memo = "m";
    add(op);
    QsoParts tx = test::sampleParts("JA2TX");
    tx.sent = "1234";
    tx.txNumber = 2;
    add(tx);
    QsoParts other = test::sampleParts("JA3OT");
    other.modeText = "Other";
    other.points = 3;
    other.memo = "x";
    add(other);
    source.at(3).setMulti("AB");  // not new: written as "-"

    std::string file = writeAllLog(source);
    EXPECT_EQ(
        file,
        "Quog for Windows \r\n"
        "2008/11/22 12:34 JA1ABC       599 10H     599 12M     12    -     7    CW   1  hello\r\n"
        "2008/11/22 12:34 JA1OP        599 12345678599 1234567 -     -     14   SSB  2  "
        "%%JA1XYZ%%         TX#2  m\r\n"
        "2008/11/22 12:34 JA2TX        599 1234    599         -     -     14   SSB  2  TX#2  \r\n"
        "2008/11/22 12:34 JA3OT        599         599         -     -     14   Other 3  x\r\n");

    read(file);
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2008-11-22 12:34|JA1ABC|599|10H|599|12M|12 1| 0|7|CW|H|1|0||hello",
                  "2008-11-22 12:34|JA1OP|599|1234567|599|1234567| 0| 0|14|SSB|P|2|2|JA1XYZ|m",
                  "2008-11-22 12:34|JA2TX|599|1234|599|| 0| 0|14|SSB|P|2|2||",
                  "2008-11-22 12:34|JA3OT|599||599|| 0| 0|14|Other|P|3|0||x"}));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(AllLog, HeaderOnlyAndCommentLinesGiveNoQsos) {
    read("Quog for Windows \r\n");
    read("Quog for Windows \r\n;comment\r\n\r\n");
    EXPECT_EQ(doc.count(), 0u);
    EXPECT_TRUE(ui.events.empty());
}

// The mode "Other" pushes the points and the tail, and a QSO without a time
// is written with zeros that read back as no time.
TEST_F(AllLog, AWrittenLogReadsBackTheSameRecords) {
    for (const std::string op : {"", "JA1OP", "\x93\xfa\x96\x7b"}) {
        for (int tx : {0, 1, 9}) {
            for (const std::string mode : {"CW", "Other"}) {
                QsoParts p = test::sampleParts("JA1" + std::to_string(tx) + op.substr(0, 1));
                p.sent = "59" + std::to_string(tx) + "L";
                p.rcvd = "1234567";
                p.multi = "100110";
                p.multi2 = tx == 1 ? "" : "M2";
                p.modeText = mode;
                p.powerLetter = 'L';
                p.operatorName = op;
                p.txNumber = tx;
                p.memo = tx == 9 ? "" : "\x83\x81\x83\x82 memo %%";
                add(p);
            }
        }
    }
    QsoParts noTime = test::sampleParts("JA1NT");
    noTime.month = 13;
    add(noTime);
    std::string file = writeAllLog(source);
    EXPECT_NE(file.find("\r\n   0/00/00 00:00 JA1NT "), std::string::npos);
    read(file);
    ASSERT_EQ(doc.count(), source.count());
    for (size_t i = 0; i < doc.count(); ++i) {
        EXPECT_EQ(test::describe(doc.at(i)), test::describe(source.at(i)));
    }
}

TEST_F(AllLog, ALineWithoutItsDateAsksAndYesTakesItWithZeros) {
    ui.answers = {Answer::Yes};
    read("Quog for Windows \r\n2008/11/22 12:34 JA1ABC\r\n2008/11 JA2ABC\r\n");
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].message.text,
              "3 行目で読み込みに失敗しました。続行しますか?\n2008/11 JA2ABC");
    EXPECT_EQ(ui.events[0].message.buttons, Buttons::YesNo);
    EXPECT_EQ(ui.events[0].message.icon, Icon::Exclamation);
    EXPECT_EQ(ui.events[0].message.defaultButton, Answer::No);
    // Day 0 of month 0 is no date: the QSO has no time.
    EXPECT_EQ(described(),
              (std::vector<std::string>{"2008-11-22 12:34|JA1ABC|0||0|| 0| 0|||P|0|0||",
                                        "no time||0||0|| 0| 0|||P|0|0||"}));
}

TEST_F(AllLog, NoStopsTheReadingAndKeepsWhatWasRead) {
    ui.answers = {Answer::No};
    read("2008/11/22 12:34 JA1ABC\r\n\x82\xa0 junk\r\n2008/11/22 12:35 JA2ABC\r\n");
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"2 行目で読み込みに失敗しました。続行しますか?\nあ junk"}));
    ASSERT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.at(0).callSign(), "JA1ABC");
}

// Names past the 31-byte reading limit are cut there (never inside a
// double-byte character), and the rest of the tail is still found.
TEST_F(AllLog, LongOperatorNamesAreCutAndOpenNamesEndTheLine) {
    std::string fixed =
        "2008/11/22 12:34 JA1ABC       599 1       599 2       -     -     14   SSB  2  ";
    std::string name(30, 'N');
    read(fixed + "%%" + name + "\x93\xfa" + "X%% TX#3  memo\r\n" + fixed + "%%OPEN memo\r\n");
    EXPECT_EQ(described(),
              (std::vector<std::string>{
                  "2008-11-22 12:34|JA1ABC|599|1|599|2| 0| 0|14|SSB|P|2|3|" + name + "|memo",
                  "2008-11-22 12:34|JA1ABC|599|1|599|2| 0| 0|14|SSB|P|2|0|OPEN memo|"}));
}

TEST_F(AllLog, LinesLongerThan255CharactersAreWrittenWhole) {
    QsoParts p = test::sampleParts("JA1ABC");
    p.memo = std::string(300, 'm');
    add(p);
    std::string file = writeAllLog(source);
    EXPECT_EQ(file.substr(file.size() - 302), std::string(300, 'm') + "\r\n");
    EXPECT_EQ(file.size(), 19u + 79u + 302u);
}

TEST_F(AllLog, MergingTheSameFileTwiceAddsNothing) {
    add(test::sampleParts("JA1ABC"));
    add(test::sampleParts("JA2ABC"));
    std::string path = dir.write("log.all", writeAllLog(source));
    FileLoad(doc, ui, path, LoadMode::Merge);
    FileLoad(doc, ui, path, LoadMode::Merge);
    EXPECT_EQ(doc.count(), 2u);
}

}  // namespace
}  // namespace sorvak
