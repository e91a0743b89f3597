#include "productinfo/hex_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct Encoding {
  std::string gbk;
  std::string hex;
};

void PrintTo(const Encoding& encoding, std::ostream* out) {
  *out << encoding.hex;
}

class HexTextTest : public testing::TestWithParam<Encoding> {};

TEST_P(HexTextTest, EncodesEachCharacterThenTheSeparator) {
  EXPECT_EQ(EncodeHexText(GetParam().gbk), GetParam().hex);
}

TEST_P(HexTextTest, DecodesBackToTheCharactersAndTheSeparator) {
  const std::string field = GetParam().hex + '\0';
  EXPECT_EQ(DecodeHexText(field), GetParam().gbk + kRecordSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexTextTest,
    testing::Values(Encoding{"", "001E"}, Encoding{"2.0408", "0032002E0030003400300038001E"},
                    Encoding{"norvessa", "006E006F007200760065007300730061001E"},
                    Encoding{"\xCF\xFA", "CFFA001E"},  // 销
                    Encoding{"a\xCF\xFA"
                             "b",
                             "0061CFFA0062001E"},
                    Encoding{"\x01\x7F", "0001007F001E"},  // the single-byte range's ends
                    Encoding{"\x81\x40\xFE\xFE", "8140FEFE001E"}));

TEST(HexTextTest, EncodesOnlyWholeGbkCharacters) {
  const std::vector<std::string> notGbk = {
      "\xCF",              // a lead byte cut off at the end
      "a\xCF",             //
      "\xCF\x7F",          // 7F is no trail byte
      "\xCF\x3F",          // nor is anything below 40
      "\x80",     "\xFF",  // bytes that start no character
      "a\0b"s,             // a zero byte would end the field early
      "\x1E",     "a\x1E"  // the separator itself would make the text ambiguous
  };
  for (const std::string& text : notGbk)
    EXPECT_EQ(EncodeHexText(text), std::nullopt) << testing::PrintToString(text);
}

TEST(HexTextTest, RejectsMalformedFields) {
  const std::vector<std::string> malformed = {
      "0041001E",      // no terminator within the field
      "004\0"s,        // not a whole character
      "0041001\0"s,    //
      "0041001E0\0"s,  //
      "006e001E\0"s,   // lower-case digits
      "00G1001E\0"s,   // not a hexadecimal digit
      " 041001E\0"s,   //
      "0000001E\0"s,   // a zero character
      "0080001E\0"s,   // no single-byte character
      "00FF001E\0"s,   //
      "4142001E\0"s,   // 41 is no lead byte
      "CF7F001E\0"s,   // 7F is no trail byte
      "FF40001E\0"s,   // FF is no lead byte
  };
  for (const std::string& field : malformed)
    EXPECT_EQ(DecodeHexText(field), std::nullopt) << testing::PrintToString(field);
}

TEST(HexTextTest, ReadsNoFurtherThanTheField) {
  const std::string bytes = "0041001E\0"s;
  EXPECT_EQ(DecodeHexText(std::span(bytes.data(), 8)), std::nullopt);
  EXPECT_EQ(DecodeHexText(std::span(bytes.data(), 9)), "A\x1E");
}

TEST(HexTextTest, StopsAtTheFirstTerminator) {
  EXPECT_EQ(DecodeHexText("0041\0GARBAGE\0"s), "A");
  EXPECT_EQ(DecodeHexText("\0"s), "");
}

}  // namespace
