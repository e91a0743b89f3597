#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

namespace {

// A typed text and the number it reads as; printed as the text in failure messages.
template <class Number>
struct Reading {
  const char* text;
  Number expected;
  friend std::ostream& operator<<(std::ostream& out, const Reading& c) {
    return out << '"' << c.text << '"';
  }
};
using WholeCase = Reading<int32_t>;
using DecimalCase = Reading<double>;

class WholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberTest, ReadsLikeAtoi) {
  EXPECT_EQ(ReadWholeNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WholeNumberTest,
    testing::Values(WholeCase{"12abc", 12}, WholeCase{"abc", 0}, WholeCase{" 7", 7},
                    WholeCase{"\t\n\v\f\r 7", 7}, WholeCase{"", 0}, WholeCase{"-2", -2},
                    WholeCase{"+5", 5}, WholeCase{"- 5", 0}, WholeCase{"--5", 0},
                    WholeCase{"2.7", 2}, WholeCase{"0.5", 0}, WholeCase{"1e3", 1},
                    WholeCase{"0x10", 0}, WholeCase{"-0", 0}, WholeCase{"007", 7},
                    WholeCase{"\xA3\xB1", 0},  // full-width digit one: not a digit
                    WholeCase{"2147483647", INT32_MAX}, WholeCase{"2147483648", INT32_MAX},
                    WholeCase{"99999999999999999999999", INT32_MAX},
                    WholeCase{"-2147483648", INT32_MIN}, WholeCase{"-2147483649", INT32_MIN},
                    WholeCase{"-99999999999999999999999", INT32_MIN}));

class DecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalTest, ReadsLikeAtofForPlainDecimals) {
  const double value = ReadDecimal(GetParam().text);
  EXPECT_TRUE(std::isfinite(value)) << '"' << GetParam().text << '"';
  EXPECT_DOUBLE_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DecimalTest,
    testing::Values(DecimalCase{"3.5", 3.5}, DecimalCase{"12abc", 12}, DecimalCase{"abc", 0},
                    DecimalCase{" 7", 7}, DecimalCase{"", 0}, DecimalCase{"-1.5", -1.5},
                    DecimalCase{"+.5", 0.5}, DecimalCase{".5", 0.5}, DecimalCase{"5.", 5},
                    DecimalCase{".", 0}, DecimalCase{"-", 0}, DecimalCase{"1e3", 1000},
                    DecimalCase{"1E-2", 0.01}, DecimalCase{"2.5e+1x", 25}, DecimalCase{"1e", 1},
                    DecimalCase{"1e+", 1}, DecimalCase{"1.2.3", 1.2}, DecimalCase{"0.0009", 0.0009},
                    DecimalCase{"0x10", 0}, DecimalCase{"inf", 0}, DecimalCase{"-infinity", 0},
                    DecimalCase{"nan", 0}, DecimalCase{"NAN(1)", 0}, DecimalCase{"1e400", 0},
                    DecimalCase{"-1e400", 0}, DecimalCase{"1e-400", 0},
                    DecimalCase{"1,5", 1}));  // a comma is never a decimal point

TEST(DecimalTest, ReadsTheLargestDoubleButNothingBeyond) {
  const std::string largest = "17976931348623157" + std::string(292, '0');
  EXPECT_EQ(ReadDecimal(largest), 1.7976931348623157e308);
  EXPECT_EQ(ReadDecimal(largest + "0"), 0.0);
}

TEST(DecimalTest, KeepsTheSignOfNegativeZero) {
  EXPECT_TRUE(std::signbit(ReadDecimal("-0")));
}

TEST(DecimalTest, ReadsAVeryLongTextOfDigits) {
  const std::string digits = "1." + std::string(100000, '5') + "xyz";
  EXPECT_DOUBLE_EQ(ReadDecimal(digits), 1.5555555555555556);
}

}  // namespace
