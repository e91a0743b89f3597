#include "text/gbk.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/till_texts_utf8.h"

namespace {

struct Pair {
  const char* utf8;
  std::string gbk;
};

void PrintTo(const Pair& pair, std::ostream* out) {
  *out << '"' << pair.utf8 << '"';
}

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

// The build writes the till's texts in GBK itself; they must be what the till's own
// conversion makes of them on this system, both ways.
class TillTextTest : public testing::TestWithParam<TillText> {};

TEST_P(TillTextTest, IsTheGbkOfItsTableText) {
  EXPECT_EQ(Utf8ToGbk(GetParam().utf8), GetParam().gbk);
  EXPECT_EQ(GbkToUtf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Table, TillTextTest, testing::ValuesIn(kTillTexts),
                         [](const testing::TestParamInfo<TillText>& info) {
                           return std::string(info.param.name);
                         });

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

// Tag characters (U+E0000 to U+E007F) are invisible; the system's converter would drop
// them without a trace.
TEST(GbkTest, ReplacesTagCharactersLikeAnyOtherCharacter) {
  EXPECT_EQ(Utf8ToGbk("\U000E0041"), "?");  // alone: the text must not come out empty
  EXPECT_EQ(Utf8ToGbk("a\U000E0000b\U000E007F"), "a?b?");
  // The flag of Scotland: a black flag, five tag letters, a cancel tag.
  EXPECT_EQ(Utf8ToGbk("绿🏴\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"),
            "\xC2\xCC???????");
  EXPECT_EQ(Utf8ToGbk("\U000E0080"), "?");  // just past the tags: an unassigned character
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

// Long texts are converted a piece at a time: no character may be split where one piece
// ends, wherever that falls.
TEST(GbkTest, KeepsEveryCharacterOfALongTextWhole) {
  for (size_t shift = 0; shift < 4; ++shift) {
    std::string utf8(shift, 'a');
    std::string gbk(shift, 'a');
    std::string replaced(shift, 'a');  // utf8 with the emoji replaced
    for (int i = 0; i < 400; ++i) {
      utf8 += "绿😀豆";
      gbk += "\xC2\xCC?\xB6\xB9";
      replaced += "绿?豆";
    }
    // Cut off at the very end.
    EXPECT_TRUE(Utf8ToGbk(utf8 + "\xE7\xBB") == gbk + "?") << shift;
    EXPECT_TRUE(GbkToUtf8(gbk + "\xC2") == replaced + "?") << shift;
  }
}

TEST(GbkTest, ConvertsLongTextsWhole) {
  std::string utf8;
  for (int i = 0; i < 100000; ++i) utf8 += "绿😀";
  const std::string gbk = Utf8ToGbk(utf8);
  ASSERT_EQ(gbk.size(), 300000u);
  EXPECT_EQ(gbk.substr(gbk.size() - 3), "\xC2\xCC?");
}

}  // namespace
