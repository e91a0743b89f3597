#include "text/utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Utf8Case {
  const char* bytes;
  char32_t code_point;  // 0: not a character
  size_t length;        // the character's length, or how many bytes to pass over
  friend std::ostream& operator<<(std::ostream& out, const Utf8Case& c) {
    for (const char* at = c.bytes; *at != '\0'; ++at)
      out << std::hex << (static_cast<unsigned>(*at) & 0xFF) << ' ';
    return out;
  }
};

class Utf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, ReadsOneCharacterOrTellsHowFarToSkip) {
  const std::optional<Utf8Character> character = ReadUtf8Character(GetParam().bytes);
  if (GetParam().code_point == 0) {
    EXPECT_FALSE(character.has_value());
    EXPECT_EQ(BrokenUtf8Length(GetParam().bytes), GetParam().length);
  } else {
    ASSERT_TRUE(character.has_value());
    EXPECT_EQ(character.value_or(Utf8Character{}).code_point, GetParam().code_point);
    EXPECT_EQ(character.value_or(Utf8Character{}).length, GetParam().length);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, Utf8Test,
    testing::Values(Utf8Case{"A", U'A', 1}, Utf8Case{"\xC2\x80", 0x80, 2},
                    Utf8Case{"\xDF\xBF", 0x7FF, 2}, Utf8Case{"\xE0\xA0\x80", 0x800, 3},
                    Utf8Case{"绿豆", U'绿', 3}, Utf8Case{"\xEF\xBF\xBF", 0xFFFF, 3},
                    Utf8Case{"😀", 0x1F600, 4}, Utf8Case{"\xF4\x8F\xBF\xBF", 0x10FFFF, 4}));

INSTANTIATE_TEST_SUITE_P(Broken, Utf8Test,
                         testing::Values(Utf8Case{"\x80", 0, 1},  // a continuation byte alone
                                         Utf8Case{"\x80\xBF"
                                                  "a",
                                                  0, 2},  // ... and its fellows, not the a
                                         Utf8Case{"\xC0\x80", 0, 2},  // overlong forms
                                         Utf8Case{"\xE0\x9F\xBF", 0, 3},
                                         Utf8Case{"\xF0\x8F\xBF\xBF", 0, 4},
                                         Utf8Case{"\xED\xA0\x80", 0, 3},          // a surrogate
                                         Utf8Case{"\xF4\x90\x80\x80", 0, 4},      // beyond U+10FFFF
                                         Utf8Case{"\xF8\x88\x80\x80\x80", 0, 5},  // five-byte form
                                         Utf8Case{"\xFF"
                                                  "a",
                                                  0, 1},
                                         Utf8Case{"\xE7\xBB", 0, 2},  // cut short at the end
                                         Utf8Case{"\xE7\xBB"
                                                  "b",
                                                  0, 2},  // cut short by an ASCII byte
                                         Utf8Case{"\xC2"
                                                  "\xE7\xBB\xBF",
                                                  0, 1}));  // a lead byte, then a whole character

TEST(Utf8Test, ReadsNothingFromNothing) {
  EXPECT_FALSE(ReadUtf8Character("").has_value());
}

}  // namespace
