#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace sorvak {
namespace {

TEST(Cp932, ConvertsBothWays) {
    EXPECT_EQ(cp932ToUtf8("JA1ABC"), "JA1ABC");
    EXPECT_EQ(cp932ToUtf8("\x83\x81\x83\x82"), "メモ");
    EXPECT_EQ(cp932ToUtf8("\xDA\xC3\xDE\xA8"), "ﾚﾃﾞｨ");  // half-width kana are one byte each
    EXPECT_EQ(utf8ToCp932("メモ"), "\x83\x81\x83\x82");
    EXPECT_EQ(utf8ToCp932("ﾚﾃﾞｨ"), "\xDA\xC3\xDE\xA8");
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932("再確認 ① ～")), "再確認 ① ～");
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
    EXPECT_EQ(cp932ToUtf8("A\x83"), "A\xEF\xBF\xBD");  // cut lead byte
    EXPECT_EQ(cp932ToUtf8("\xFF"
                          "B"),
              "\xEF\xBF\xBD"
              "B");  // never a CP932 byte
    EXPECT_EQ(cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(utf8ToCp932("\xF0\x9F\x98\x80"), "?");  // not in CP932
    EXPECT_EQ(utf8ToCp932("\xC3"), "?");              // cut sequence
}

TEST(Cp932, CheckedConversionTellsWhatWasLost) {
    bool lost = false;
    EXPECT_EQ(utf8ToCp932("メモ", lost), "\x83\x81\x83\x82");
    EXPECT_FALSE(lost);
    EXPECT_EQ(utf8ToCp932("a\xF0\x9F\x98\x80", lost), "a?");
    EXPECT_TRUE(lost);
    EXPECT_EQ(utf8ToCp932("b", lost), "b");
    EXPECT_TRUE(lost);  // never cleared
}

TEST(Cp932, ValidUtf8) {
    EXPECT_TRUE(isValidUtf8("ASCII メモ \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\x83\x81"));          // CP932
    EXPECT_FALSE(isValidUtf8("\xE3\x83"));          // cut
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
}

}  // namespace
}  // namespace sorvak
