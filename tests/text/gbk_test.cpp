#include "text/gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Pair {
  const char* utf8;
  std::string gbk;
};

class GbkRoundTripTest : public testing::TestWithParam<Pair> {};

TEST_P(GbkRoundTripTest, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToGbk(GetParam().utf8), GetParam().gbk);
  EXPECT_EQ(GbkToUtf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkRoundTripTest,
    testing::Values(Pair{"", ""}, Pair{"abc 123", "abc 123"},
                    Pair{"绿豆", "\xC2\xCC\xB6\xB9"},  // two characters, four bytes
                    Pair{"销", "\xCF\xFA"}, Pair{"￥", "\xA3\xA4"},
                    Pair{"收银员：张三", "\xCA\xD5\xD2\xF8\xD4\xB1\xA3\xBA\xD5\xC5\xC8\xFD"},
                    Pair{"€", "\x80"},  // GBK's one single-byte character beyond ASCII
                    Pair{"a绿b",
                         "a\xC2\xCC"
                         "b"}));

TEST(GbkTest, ByteLengthsAreGbkLengths) {
  EXPECT_EQ(Utf8ToGbk("花生油").size(), 6u);
  EXPECT_EQ(Utf8ToGbk("Abc东北米").size(), 9u);
}

TEST(GbkTest, ReplacesWhatGbkCannotHoldAndKeepsTheRest) {
  EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");  // emoji, four UTF-8 bytes
  EXPECT_EQ(Utf8ToGbk("😀😀"), "??");
  EXPECT_EQ(Utf8ToGbk("绿\u0E01豆"), "\xC2\xCC?\xB6\xB9");  // a Thai letter in between
  EXPECT_EQ(Utf8ToGbk("end😀"), "end?");
}

TEST(GbkTest, NeverPutsALookAlikeInPlaceOfAMissingCharacter) {
  EXPECT_EQ(Utf8ToGbk("¥5"), "?5");     // the yen sign, not the full-width ￥ GBK has
  EXPECT_EQ(Utf8ToGbk("m²"), "m?");     // not a 2
  EXPECT_EQ(Utf8ToGbk("\uE000"), "?");  // private use: GBK's user-defined area is no text
}

TEST(GbkTest, ReplacesInvalidUtf8) {
  EXPECT_EQ(Utf8ToGbk("a\xFF"
                      "b"),
            "a?b");
  EXPECT_EQ(Utf8ToGbk("cut\xE7\xBB"), "cut?");  // a character cut short at the end
}

TEST(GbkTest, ReplacesInvalidGbk) {
  EXPECT_EQ(GbkToUtf8("a\xFF"
                      "b"),
            "a?b");
  EXPECT_EQ(GbkToUtf8("cut\xC2"), "cut?");  // lead byte without its trail byte
  EXPECT_EQ(GbkToUtf8("\xFF"), "?");
  // User-defined areas: no character; the second byte is read again on its own.
  EXPECT_EQ(GbkToUtf8("\xAA\xA1"), "??");
  EXPECT_EQ(GbkToUtf8("\xA1\x40"), "?@");
}

TEST(GbkTest, KeepsZeroBytes) {
  EXPECT_EQ(Utf8ToGbk(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(GbkTest, ConvertsLongTextsWhole) {
  std::string utf8;
  for (int i = 0; i < 100000; ++i) utf8 += "绿😀";
  const std::string gbk = Utf8ToGbk(utf8);
  ASSERT_EQ(gbk.size(), 300000u);
  EXPECT_EQ(gbk.substr(gbk.size() - 3), "\xC2\xCC?");
}

}  // namespace
