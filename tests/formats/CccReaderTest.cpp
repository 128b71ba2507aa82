#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "formats/Readers.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

// A line with received number, multipliers and points in their columns.
std::string cccLine(const std::string& metresAndRst, const std::string& memo = "") {
    std::string line = "11 22 1234 " + metresAndRst;
    line.resize(37, ' ');
    line += " 12  AB   C";
    line.resize(54, ' ');
    line += "3";
    line.resize(57, ' ');
    return line + memo;
}

class CccReader : public test::LogReaderTest {
  protected:
    // Reads the lines as a file last modified in 2009.
    void read(const std::vector<std::string>& lines) {
        std::string bytes = "CCC TXT file\r\n";
        for (const auto& line : lines) {
            bytes += line + "\r\n";
        }
        readBytes(readCccLog, "in.txt", bytes, LoadMode::Load, 2009);
    }
};

TEST_F(CccReader, TakesModeReportBandAndYearFromTheLine) {
    read({cccLine(" 20 JA1ABC 599"), cccLine(" 18 JA1ABC 59", "m"),
          cccLine(" 17 JA1ABC 59", "memo"), cccLine("160 JA1ABC 60")});
    EXPECT_EQ(described(), (std::vector<std::string>{
                               "2009-11-22 12:34|JA1ABC|599||599|12|AB 1|C 1|14|CW|P|3|0||",
                               "2009-11-22 12:34|JA1ABC|59||59|12|AB 1|C 1|18|SSB|P|3|0||m",
                               "2009-11-22 12:34|JA1ABC|59||59|12|AB 1|C 1||SSB|P|3|0||memo",
                               "2009-11-22 12:34|JA1ABC|599||60|12|AB 1|C 1|1.9|CW|P|3|0||"}));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(CccReader, ALineWithoutItsSixValuesEndsTheReadingWithAMessage) {
    read({cccLine(" 20 JA1ABC 599"), "11 22 1234 20 JA1ABC", cccLine(" 20 JA2ABC 599")});
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"読み込めません\n11 22 1234 20 JA1ABC"}));
    EXPECT_EQ(ui.events[0].message.buttons, Buttons::Ok);
    EXPECT_EQ(doc.count(), 1u);
}

TEST_F(CccReader, AnEmptyLineEndsTheReadingToo) {
    read({cccLine(" 20 JA1ABC 599"), "", cccLine(" 20 JA2ABC 599")});
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"読み込めません\n"}));
    EXPECT_EQ(doc.count(), 1u);
}

TEST_F(CccReader, MergingTheSameFileTwiceAddsNothing) {
    std::string path =
        dir.write("log.txt", "CCC TXT file\r\n" + cccLine(" 20 JA1ABC 599") + "\r\n");
    FileLoad(doc, ui, path, LoadMode::Merge);
    FileLoad(doc, ui, path, LoadMode::Merge);
    EXPECT_EQ(doc.count(), 1u);
}

}  // namespace
}  // namespace sorvak
