#include "reports/CountryFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/Continents.h"
#include "reports/CountryFileLocation.h"
#include "reports/ResolveCountry.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

// One entry as "name|zone|main|continent|prefix".
std::string describe(const CountryPrefixEntry& e) {
    EXPECT_EQ(e.prefixLength, static_cast<int>(e.prefix.size()));
    return e.countryName + "|" + std::to_string(e.zone) + "|" + e.mainPrefix + "|" + e.continent +
           "|" + e.prefix;
}

std::vector<std::string> describe(const CountryTable& table) {
    std::vector<std::string> lines;
    for (const auto& entry : table.entries()) {
        lines.push_back(describe(entry));
    }
    return lines;
}

TEST(CountryFile, ReadsHeadersAndPrefixLines) {
    std::string bytes =
        "cqww.dat  version 1\r\n"
        "Japan                     25   JA\r\n"  // no continent: Japan is Asia whatever the zone
        "    JA, JE,\r\n"
        "JR  ;\r\n"
        "\r\n"
        "Fed. Rep. of Germany      14   DL     EU\r\n"
        "  DA,DL  , \r\n"  // nothing after the last ','
        "  DM\r\n"         // no separator: the entry ends with the line
        "  DR;DZ,\r\n"     // ';' ends the block, the rest of the line is not read
        "Japan Outpost  x          5    JD1\r\n"
        "JD1;\r\n"
        "Nowhere                   41   XX\r\n"
        "X0;\r\n"
        "end of countries\r\n"
        "After                     1    K\r\n"
        "K;\r\n";
    CountryFileResult result = readCountryFile(bytes);
    EXPECT_EQ(result.status, CountryFileStatus::Read);
    EXPECT_EQ(describe(result.table),
              (std::vector<std::string>{
                  "Japan|25|JA|AS|JA", "Japan|25|JA|AS|JE", "Japan|25|JA|AS|JR",
                  "Fed. Rep. of Germany|14|DL|EU|DA", "Fed. Rep. of Germany|14|DL|EU|DL",
                  "Fed. Rep. of Germany|14|DL|EU|DM", "Fed. Rep. of Germany|14|DL|EU|DR",
                  "Japan Outpost|5|JD1|AS|JD1", "Nowhere|41|XX|??|X0"}));
}

TEST(CountryFile, ContinentFollowsTheZoneWhenNoneIsGiven) {
    const std::pair<int, const char*> cases[] = {
        {1, "NA"},  {8, "NA"},  {9, "SA"},  {13, "SA"}, {14, "EU"}, {16, "EU"}, {17, "AS"},
        {26, "AS"}, {27, "OC"}, {32, "OC"}, {33, "AF"}, {39, "AF"}, {40, "EU"}, {0, "??"},
    };
    for (const auto& [zone, continent] : cases) {
        std::string bytes =
            "cqww.dat\nSomewhere                 " + std::to_string(zone) + " X\nX;\n";
        auto table = readCountryFile(bytes).table;
        ASSERT_EQ(table.entries().size(), 1u);
        EXPECT_EQ(table.entries()[0].continent, continent) << zone;
    }
    EXPECT_EQ(continentIndex("NA"), 1);
    EXPECT_EQ(continentIndex("ANT"), 7);
    EXPECT_EQ(continentIndex("??"), 0);
}

TEST(CountryFile, KeepsEveryPrefixWhole) {
    std::string bytes = "cqww.dat\nBig                       5    K\n";
    for (int i = 0; i < 7000; ++i) {
        bytes += "K" + std::to_string(i) + ",";
    }
    bytes += "ABCDEFGHIJKLMNOPQRST;\n";
    auto table = readCountryFile(bytes).table;
    ASSERT_EQ(table.entries().size(), 7001u);
    EXPECT_EQ(table.entries().back().prefix, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(resolveCountry(table, "K6999ZZ")->prefix, "K6999");
}

TEST(CountryFile, FailuresAreTold) {
    EXPECT_EQ(readCountryFile("").status, CountryFileStatus::WrongFormat);
    EXPECT_EQ(readCountryFile("CQWW.DAT\nJapan  25 JA\nJA;\n").status,
              CountryFileStatus::WrongFormat);
    EXPECT_EQ(loadCountryFile("").status, CountryFileStatus::NoPath);
    test::TempDir dir;
    EXPECT_EQ(loadCountryFile(dir.file("CQWW.DAT")).status, CountryFileStatus::CannotOpen);
    EXPECT_EQ(countryFileMessage(CountryFileStatus::NoPath, ""),
              "定義ファイルが指定されていません。\n");
    EXPECT_EQ(countryFileMessage(CountryFileStatus::CannotOpen, "/p/CQWW.DAT"),
              "定義ファイル \"/p/CQWW.DAT\" をオープンできません。\n");
    EXPECT_EQ(countryFileMessage(CountryFileStatus::WrongFormat, "x"),
              "定義ファイルの形式が違います。\n");
}

class ResolveCountry : public ::testing::Test {
  protected:
    std::string countryOf(std::string_view call) {
        const CountryPrefixEntry* entry = resolveCountry(table_, call);
        return entry ? entry->countryName : "-";
    }

    CountryTable table_ = readCountryFile(
                              "cqww.dat\n"
                              "United States             5    K\n"
                              "    K,W;\n"
                              "Hawaii                    31   KH6    OC\n"
                              "    KH6;\n"
                              "Hawaii K                  31   KH6K   OC\n"
                              "    KH6K;\n"
                              "Japan                     25   JA\n"
                              "    JA,KH6;\n"  // KH6 again: the first one owns it
                              "Slash                     1    X/\n"
                              "    3D2/R;\n")
                              .table;
};

TEST_F(ResolveCountry, LongestPrefixWinsAndTheFirstOfEquals) {
    EXPECT_EQ(countryOf("KH6ABC"), "Hawaii");
    EXPECT_EQ(countryOf("KH6KAA"), "Hawaii K");
    EXPECT_EQ(countryOf("KH7ABC"), "United States");
    EXPECT_EQ(countryOf("K"), "United States");
    EXPECT_EQ(countryOf("JA1ABC"), "Japan");
    EXPECT_EQ(countryOf("3D2/R"), "Slash");
    EXPECT_EQ(countryOf("ja1abc"), "-");
    EXPECT_EQ(countryOf("DL1ABC"), "-");
    EXPECT_EQ(countryOf(""), "-");
    EXPECT_EQ(countryOf("/"), "-");
}

TEST_F(ResolveCountry, ChoosesThePartThatCarriesThePrefix) {
    const std::pair<const char*, const char*> cases[] = {
        {"KH6/JA1ABC", "Hawaii"},            // first part not longer: whole call
        {"JA1ABC/KH6", "Hawaii"},            // first part longer: second part
        {"JA1ABC/W", "Japan"},               // one character after '/'
        {"JA1ABC/QRP", "Japan"},             //
        {"W1/JA1ABC/P", "United States"},    // portable mark, B not < A: whole call
        {"JA1ABC/W1/P", "United States"},    // portable mark, B < A: second part
        {"JA1ABC/W1/QRP", "United States"},  //
        {"JA1ABCD/WXYZ12/KH6", "Hawaii"},    // third part shortest
        {"W1/JA1ABC/KH6", "Japan"},          // third not shorter than the first: second part
        {"JA1ABC/", "-"},                    // empty second part chosen
    };
    for (const auto& [call, country] : cases) {
        EXPECT_EQ(countryOf(call), country) << call;
    }
    EXPECT_EQ(prefixPartOf("JA1ABC/KH6/P2X"), "KH6/P2X");
}

TEST(CountryFileLocation, PrefersTheFileBesideTheProgramThenTheInstalledOne) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    std::string bin = dir.file("opt/bin");
    std::string prefix = dir.file("usr");
    fs::create_directories(bin);
    fs::create_directories(dir.file("opt/share/sorvak"));
    fs::create_directories(prefix + "/share/sorvak");
    EXPECT_EQ(countryFilePathFor(bin, prefix), bin + "/CQWW.DAT");

    std::string installed = dir.write("usr/share/sorvak/CQWW.DAT", "cqww.dat\n");
    EXPECT_EQ(countryFilePathFor(bin, prefix), installed);
    std::string relocated = dir.write("opt/share/sorvak/CQWW.DAT", "cqww.dat\n");
    EXPECT_EQ(countryFilePathFor(bin, prefix), relocated);
    std::string beside = dir.write("opt/bin/CQWW.DAT", "cqww.dat\n");
    EXPECT_EQ(countryFilePathFor(bin, prefix), beside);
    // Only a program in a bin folder looks beside it for share/.
    fs::create_directories(dir.file("opt/tools"));
    EXPECT_EQ(countryFilePathFor(dir.file("opt/tools"), prefix), installed);
}

}  // namespace
}  // namespace sorvak
