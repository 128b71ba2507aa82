#include "reports/MultiplierList.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace sorvak {
namespace {

using Type = MultiplierFileType;

std::vector<std::string> names(const MultiplierList& list) {
    return list.names();
}

TEST(MultiplierFile, FirstLineSelectsTheTypeByCaseSensitivePrefix) {
    const std::pair<const char*, Type> cases[] = {
        {"ardx.dat 2026", Type::Columned}, {"arrl10.dat", Type::Columned},
        {"arrl10.da", Type::Names},        {"cqww.dat", Type::CqZones},
        {"dxcc.dat v2", Type::CqZones},    {"iaru.dat", Type::IaruZones},
        {"CQWW.DAT", Type::Names},         {" cqww.dat", Type::Names},
    };
    for (const auto& [header, type] : cases) {
        EXPECT_EQ(readMultiplierList(std::string(header) + "\r\n").type(), type) << header;
    }
    EXPECT_EQ(readMultiplierList("").type(), Type::Names);
    EXPECT_EQ(zoneCount(Type::CqZones), 40);
    EXPECT_EQ(zoneCount(Type::IaruZones), 90);
}

TEST(MultiplierFile, ColumnedListTakesTheItemFromColumn31OfLinesWithoutSeparators) {
    std::string pad(31, ' ');
    // Read whole: the item past column 255 is no line of its own.
    std::string longLine = std::string(31, ' ') + "WIDE" + std::string(310, ' ') + "TAIL";
    std::string bytes =
        "cqww.dat\r\n"
        "Japan                     25   JA     AS\r\n" +
        pad + "KH6  Hawaii\r\n" +     //
        "    JA,JE,JF;\r\n" +         // a prefix line
        pad + "K, W\r\n" +            // holds a ','
        "short line\r\n" +            // nothing at column 31
        pad + "   \r\n" +             // only blanks there
        pad + "VERYLONGNAME12\r\n" +  // longer than 8
        pad + "JA\r\n" +              // already listed
        longLine + "\r\n" +           //
        "end of list\r\n" + pad + "AFTER\r\n";
    MultiplierList list = readMultiplierList(bytes);
    EXPECT_EQ(list.type(), Type::CqZones);
    EXPECT_EQ(names(list), (std::vector<std::string>{"JA", "KH6", "VERYLONGNAME12", "WIDE"}));
    EXPECT_EQ(list.indexOf("KH6"), 1u);
    EXPECT_FALSE(list.indexOf("kh6"));
}

TEST(MultiplierFile, PlainListTakesTheFirstItemOfEveryLineAndHasNoSizeLimit) {
    std::string bytes = "my contest\n\n  \t\n 101 Sapporo\n02;x\n";
    for (int i = 0; i < 2500; ++i) {
        bytes += "M" + std::to_string(i) + "\n";
    }
    MultiplierList list = readMultiplierList(bytes);
    ASSERT_EQ(list.size(), 2502u);
    EXPECT_EQ(list.names()[0], "101");
    EXPECT_EQ(list.names()[1], "02;x");
    EXPECT_EQ(list.indexOf("M2499"), 2501u);
}

TEST(MultiplierFile, BuiltInListIsTheAllJaMultipliers) {
    MultiplierList list = builtInMultiplierList();
    ASSERT_EQ(list.size(), 63u);
    EXPECT_EQ(list.type(), Type::Names);
    EXPECT_EQ(list.names()[0], "101");
    EXPECT_EQ(list.names()[13], "114");
    EXPECT_EQ(list.names()[14], "02");
    EXPECT_EQ(list.names()[62], "50");
    EXPECT_TRUE(list.indexOf("101"));
    EXPECT_FALSE(list.indexOf("51"));
    EXPECT_FALSE(list.indexOf("01"));
}

TEST(MultiplierFile, ZoneIsOnlyDigitsWithinTheTypesRange) {
    EXPECT_EQ(parseZone("3", Type::CqZones), 3);
    EXPECT_EQ(parseZone(" 03 ", Type::CqZones), 3);
    EXPECT_EQ(parseZone("40", Type::CqZones), 40);
    EXPECT_EQ(parseZone("90", Type::IaruZones), 90);
    for (const char* bad : {"41", "0", "-3", "3A", "", "+3", "99999999999"}) {
        EXPECT_FALSE(parseZone(bad, Type::CqZones)) << bad;
    }
    EXPECT_FALSE(parseZone("91", Type::IaruZones));
    EXPECT_FALSE(parseZone("3", Type::Names));
}

TEST(MultiplierFile, UnreadablePathGivesNothingAndItsMessage) {
    test::TempDir dir;
    EXPECT_FALSE(loadMultiplierFile(dir.file("none.dat")));
    auto list = loadMultiplierFile(dir.write("a.dat", "iaru.dat\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->type(), Type::IaruZones);
    EXPECT_EQ(multiplierFileOpenMessage("/x/a.dat"),
              "マルチデータファイル \"/x/a.dat\" をオープンできません。\n");
}

}  // namespace
}  // namespace sorvak
