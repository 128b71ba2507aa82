#include "reports/CheckList.h"

#include <gtest/gtest.h>

namespace sorvak {
namespace {

TEST(LastLetterGroup, SkipsPortableSuffixesAndPrefixes) {
    EXPECT_EQ(lastLetterGroup("JA1ABC"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/1"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/P"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/MM"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("W1AW/JA1"), 'W' - 64);
    EXPECT_EQ(lastLetterGroup("VP2E/K1A"), 'A' - 64);
    EXPECT_EQ(lastLetterGroup("VP2X/K1A"), 'X' - 64);
    EXPECT_EQ(lastLetterGroup("ja1abc"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1ABC/BY1"), 'C' - 64);
    EXPECT_EQ(lastLetterGroup("JA1AB@"), 0);
    for (const char* invalid : {"JA1AB1", "", "/", "JA1AB\x83"}) {
        int group = lastLetterGroup(invalid);
        EXPECT_TRUE(group < 0 || group > 26) << invalid;
    }
}

}  // namespace
}  // namespace sorvak
