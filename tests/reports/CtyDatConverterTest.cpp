#include "reports/CtyDatConverter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommand.h"
#include "reports/CountryFile.h"
#include "reports/MultiplierList.h"
#include "reports/ResolveCountry.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

const char* const kCtyDat =
    "A Very Long Country   Name That Does Not Fit:  5:  8:  NA:  0.00:  0.00:  5.0:  K:\n"
    "    K;\n"
    "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
    "    7J,7K,JA,=JA1XYZ/KH6,JD1(27)[90]\n"  // no comma at the line end
    "    JR;\n"
    "Minami Torishima:         27:  90:  OC:   24.28:  -153.97:   -10.0:  JD1/m:\n"
    "    =JD1BMM,=JD1YAA;\n"
    "Broken: 1: 2:\n"
    "    XX;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I,IT9{AF}<37.5/-14.1>~-1.0~,I<40/-12>;\n"
    "African Italy:            33:  37:  AF:   35.67:   -12.67:    -1.0:  *IG9:\n"
    "    IG9,IH9,I,=IO9Y;\n"
    "United States:            05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    K,AA0,AA1,AA2,AA3,AA4,AA5,AA6,AA7,AA8,AA9,\n"
    "    AB0,AB1,AB2,AB3,AB4,AB5,AB6,AB7,AB8,AB9;\n";

TEST(CtyDatConverter, WritesTheCountryFileLayout) {
    CtyDatConversion conversion = convertCtyDat(kCtyDat);
    EXPECT_EQ(conversion.bytes,
              "cqww.dat\r\n"
              "A Very Long Country Name   5   K      NA\r\n"
              "    K;\r\n"
              "Japan                     25   JA     AS\r\n"
              "    7J,7K,JA,JD1,JR;\r\n"
              "Minami Torishima          27   JD1/m  OC\r\n"
              "    ;\r\n"
              "Italy                     15   I      EU\r\n"
              "    I;\r\n"
              "Italy                     15   I      AF\r\n"
              "    IT9;\r\n"
              "African Italy             33   IG9    AF\r\n"
              "    IG9,IH9;\r\n"
              "United States              5   K      NA\r\n"
              "    AA0,AA1,AA2,AA3,AA4,AA5,AA6,AA7,AA8,AA9,AB0,AB1,AB2,AB3,AB4,AB5,AB6,AB7,\r\n"
              "    AB8,AB9;\r\n");
    EXPECT_EQ(conversion.entities, 6u);
    EXPECT_EQ(conversion.entitiesWithoutPrefix, 1u);
    EXPECT_EQ(conversion.prefixes, 30u);
    EXPECT_EQ(conversion.exactCalls, 4u);
    EXPECT_EQ(conversion.repeatedPrefixes, 3u);
    EXPECT_EQ(conversion.continentBlocks, 1u);
    EXPECT_EQ(conversion.skippedLines, (std::vector<size_t>{8, 9}));
}

TEST(CtyDatConverter, AStrayLineIsSkippedAloneAndTheNextEntityKept) {
    CtyDatConversion conversion = convertCtyDat(
        "# countries of the far east\n"
        "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
        "    JA,JR\n"  // no ';': the list ends where the next entity begins
        "Ogasawara:                27:  45:  AS:   27.05:  -142.20:    -9.0:  JD1:\n"
        "    JD1;\n"
        "   \n");
    EXPECT_EQ(conversion.bytes,
              "cqww.dat\r\n"
              "Japan                     25   JA     AS\r\n"
              "    JA,JR;\r\n"
              "Ogasawara                 27   JD1    AS\r\n"
              "    JD1;\r\n");
    EXPECT_EQ(conversion.skippedLines, (std::vector<size_t>{1}));
}

// The country file ends at a line beginning with "end of", so no name does.
TEST(CtyDatConverter, ANameIsNeverTakenForTheEndOfTheFile) {
    CtyDatConversion conversion = convertCtyDat(
        "end of the world:         25:  45:  AS:   36.40:  -138.38:    -9.0:  XX:\n"
        "    XX;\n"
        "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
        "    JA;\n");
    EXPECT_EQ(conversion.bytes,
              "cqww.dat\r\n"
              "End of the world          25   XX     AS\r\n"
              "    XX;\r\n"
              "Japan                     25   JA     AS\r\n"
              "    JA;\r\n");
    EXPECT_EQ(readCountryFile(conversion.bytes).table.entries().size(), 2u);
}

// "name / continent" of the call through the converted file.
std::string resolved(const CountryTable& table, std::string_view call) {
    const CountryPrefixEntry* entry = resolveCountry(table, call);
    return entry ? entry->countryName + " / " + entry->continent : "-";
}

TEST(CtyDatConverter, ConvertedFileReadsBack) {
    CountryFileResult result = readCountryFile(convertCtyDat(kCtyDat).bytes);
    ASSERT_EQ(result.status, CountryFileStatus::Read);
    EXPECT_EQ(resolved(result.table, "IT9ABC"), "Italy / AF");
    EXPECT_EQ(resolved(result.table, "I1ABC"), "Italy / EU");
    EXPECT_EQ(resolved(result.table, "IG9ABC"), "African Italy / AF");
    EXPECT_EQ(resolved(result.table, "JD1ABC"), "Japan / AS");
    EXPECT_EQ(resolved(result.table, "K1ABC"), "A Very Long Country Name / NA");
    EXPECT_EQ(resolved(result.table, "AB9X"), "United States / NA");
    EXPECT_EQ(resolved(result.table, "XX1A"), "-");
    // The main prefixes stand in column 31, where a "cqww.dat" multiplier list has its names.
    EXPECT_EQ(readMultiplierList(convertCtyDat(kCtyDat).bytes).names(),
              (std::vector<std::string>{"K", "JA", "JD1/m", "I", "IG9"}));
}

struct CliRun {
    int status;
    std::string out, err;
};

CliRun makeCountryFile(std::vector<std::string> args) {
    args.insert(args.begin(), {"sorvak-cli", "make-country-file"});
    std::vector<const char*> argv;
    for (const auto& arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out, err;
    int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

TEST(CtyDatConverter, CommandLineWritesTheFileAndTellsTheCounts) {
    test::TempDir dir;
    std::string cty = dir.write("cty.dat", kCtyDat);
    std::string out = dir.file("CQWW.DAT");
    CliRun run = makeCountryFile({cty, out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::readFile(out), convertCtyDat(kCtyDat).bytes);
    EXPECT_EQ(run.out, out +
                           ": 6 entities (1 with exact calls only), 30 prefixes, 1 continent "
                           "override blocks; left out: 4 exact calls, 3 repeated prefixes; skipped "
                           "lines that are neither an entity nor its aliases: 8 9\n");

    EXPECT_EQ(makeCountryFile({dir.file("none.dat"), out}).status, 1);
    EXPECT_EQ(makeCountryFile({dir.write("empty.dat", "\n"), out}).status, 1);
    EXPECT_EQ(makeCountryFile({}).status, 2);
    EXPECT_EQ(makeCountryFile({cty, out, "x"}).status, 2);
    EXPECT_EQ(test::readFile(out), convertCtyDat(kCtyDat).bytes);  // failures left it alone
}

TEST(CtyDatConverter, InstalledCountryListResolvesTheUsualCalls) {
    if (!std::filesystem::exists(kInstalledCtyDat)) {
        GTEST_SKIP() << kInstalledCtyDat << " is not installed";
    }
    test::TempDir dir;
    std::string out = dir.file("CQWW.DAT");
    ASSERT_EQ(makeCountryFile({out}).status, 0);
    CountryFileResult result = loadCountryFile(out);
    ASSERT_EQ(result.status, CountryFileStatus::Read);
    EXPECT_GT(result.table.entries().size(), 7000u);
    const std::pair<const char*, const char*> cases[] = {
        {"JA1ABC", "Japan / AS"},
        {"KH6ABC", "Hawaii / OC"},
        {"W1AW", "United States of America / NA"},
        {"DL1ABC", "Fed. Rep. of Germany / EU"},
        {"VK9NS", "Norfolk Island / OC"},
        {"UA9AA", "Asiatic Russia / AS"},
        {"TA1ABC", "European Turkey / EU"},
        {"IG9ABC", "African Italy / AF"},
    };
    for (const auto& [call, country] : cases) {
        EXPECT_EQ(resolved(result.table, call), country) << call;
    }
    // Every prefix of the list finds its own country.
    size_t lost = 0;
    for (const CountryPrefixEntry& entry : result.table.entries()) {
        const CountryPrefixEntry* found = result.table.longestPrefixOf(entry.prefix);
        lost += found == nullptr || found->countryName != entry.countryName;
    }
    EXPECT_EQ(lost, 0u);
}

}  // namespace
}  // namespace sorvak
