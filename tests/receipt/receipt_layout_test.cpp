#include "receipt/receipt_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "text/till_texts.h"

namespace {

const std::string kFourByteGoods(kMungBeans);
const std::string kSixByteGoods(kPeanutOil);
const std::string kFourteen = "              ";  // fills a 4-byte name to 18
const std::string kTwelve = "            ";      // fills a 6-byte name to 18

TEST(MakeSpacesTest, GivesThatManySpacesAndNoneForZeroOrLess) {
  EXPECT_EQ(MakeSpaces(0), "");
  EXPECT_EQ(MakeSpaces(-3), "");
  EXPECT_EQ(MakeSpaces(1), " ");
  EXPECT_EQ(MakeSpaces(14), kFourteen);
}

struct LineCase {
  const char* name;
  SaleItem item;
  std::string line;
};

void PrintTo(const LineCase& line_case, std::ostream* out) {
  *out << line_case.name;
}

class FormatItemLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(FormatItemLineTest, LinesUpTheColumns) {
  EXPECT_EQ(FormatItemLine(GetParam().item), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatItemLineTest,
    testing::Values(
        LineCase{"FourByteGoods",
                 {kFourByteGoods, 2, 3.5, 7.0},
                 kFourByteGoods + kFourteen + "2  3.50 7.00\r\n"},
        LineCase{"SixByteGoodsAndThreeDigits",
                 {kSixByteGoods, 120, 1.0, 120.0},
                 kSixByteGoods + kTwelve + "120  1.00120.00\r\n"},
        LineCase{"NinetyNineKeepsTheSpace",
                 {kFourByteGoods, 99, 1.0, 99.0},
                 kFourByteGoods + kFourteen + "99  1.00 99.00\r\n"},
        LineCase{"HundredDropsTheSpace",
                 {kFourByteGoods, 100, 1.0, 100.0},
                 kFourByteGoods + kFourteen + "100  1.00100.00\r\n"},
        LineCase{"WholePrice",
                 {kFourByteGoods, 2, 1.0, 2.0},
                 kFourByteGoods + kFourteen + "2  1.00 2.00\r\n"},
        LineCase{"NegativeQuantity",
                 {kFourByteGoods, -1, 5.0, -5.0},
                 kFourByteGoods + kFourteen + "-1  5.00 -5.00\r\n"},
        LineCase{"LargeNegativeQuantityKeepsTheSpace",
                 {kFourByteGoods, -150, 1.0, -150.0},
                 kFourByteGoods + kFourteen + "-150  1.00 -150.00\r\n"},
        LineCase{"TwoDigitQuantity",
                 {kFourByteGoods, 12, 2.0, 24.0},
                 kFourByteGoods + kFourteen + "12  2.00 24.00\r\n"},
        LineCase{"FourDigitPrice",
                 {kFourByteGoods, 1, 1e3, 1e3},
                 kFourByteGoods + kFourteen + "1  1000.00 1000.00\r\n"},
        LineCase{"ZeroPrice",
                 {kFourByteGoods, 1, 0.0, 0.0},
                 kFourByteGoods + kFourteen + "1  0.00 0.00\r\n"},
        LineCase{"LargestQuantity",
                 {kFourByteGoods, INT32_MAX, 1.0, INT32_MAX},
                 kFourByteGoods + kFourteen + "2147483647  1.002147483647.00\r\n"},
        // printf rounds the exact binary value, halves to even: 0.125 is exact and
        // prints 0.12, 0.375 prints 0.38; 2.675 is a little below and prints 2.67.
        LineCase{"HalfwayRoundsToEven",
                 {kFourByteGoods, 3, 0.125, 0.375},
                 kFourByteGoods + kFourteen + "3  0.12 0.38\r\n"},
        LineCase{"BinaryValueBelowHalfway",
                 {kFourByteGoods, 1, 2.675, 2.675},
                 kFourByteGoods + kFourteen + "1  2.67 2.67\r\n"},
        LineCase{"EmptyGoodsIsAllSpaces", {"", 1, 1.0, 1.0}, "                  1  1.00 1.00\r\n"},
        LineCase{"SeventeenByteGoods",
                 {"ABCDEFGHIJKLMNOPQ", 1, 1.0, 1.0},
                 "ABCDEFGHIJKLMNOPQ 1  1.00 1.00\r\n"},
        LineCase{"EighteenByteGoods",
                 {"ABCDEFGHIJKLMNOPQR", 1, 1.0, 1.0},
                 "ABCDEFGHIJKLMNOPQR1  1.00 1.00\r\n"},
        LineCase{"LongerGoodsAreNotCut",
                 {"ABCDEFGHIJKLMNOPQRST", 1, 1.0, 1.0},
                 "ABCDEFGHIJKLMNOPQRST1  1.00 1.00\r\n"}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

ReceiptValues SomeValues() {
  ReceiptValues values;
  values.cashier = "Li";
  values.receipt_number = "1";
  values.date = "2024-03-05";
  values.time = "09:07:02";
  values.items = {{kFourByteGoods, 2, 3.5, 7.0}};
  values.total = 7.0;
  values.received = 10.0;
  return values;
}

const std::string kCashier(kCashierLabel);
const std::string kNumber(kNumberLabel);

TEST(ComposeReceiptTest, PrintsAMegabyteCashierNameWhole) {
  ReceiptValues values = SomeValues();
  values.cashier = std::string(1 << 20, 'x');
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_GT(pieces.size(), 2u);
  EXPECT_EQ(pieces[2], kCashier + values.cashier + kNumber + "1\r\n");
}

TEST(ComposeReceiptTest, TypedTextIsNeverTakenAsAPattern) {
  ReceiptValues values = SomeValues();
  values.cashier = "%s%n%d";
  values.receipt_number = "%%";
  values.period1 = "%x";
  values.period2 = "%.2f";
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_EQ(pieces.size(), 17u);
  EXPECT_EQ(pieces[2], kCashier + "%s%n%d" + kNumber + "%%\r\n");
  EXPECT_EQ(pieces[12], std::string(kPeriodLabel) + "%x");
  EXPECT_EQ(pieces[14], "%.2f\r\n");
}

TEST(ComposeReceiptTest, KeepsZeroBytesInTypedTexts) {
  using namespace std::string_literals;
  ReceiptValues values = SomeValues();
  values.cashier = "L\0i"s;
  values.receipt_number = "\0"s;
  values.date = "2024\0"s;  // a date that did not parse is printed as typed
  values.time = "\0\0"s;
  values.period1 = "1\0x"s;
  values.period2 = std::string{'\0', '2'};
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_EQ(pieces.size(), 17u);
  EXPECT_EQ(pieces[2], kCashier + "L\0i"s + kNumber + "\0\r\n"s);
  EXPECT_EQ(pieces[3], std::string(kDateLabel) + "2024\0"s + std::string(kTimeLabel) + "\0\0\r\n"s);
  EXPECT_EQ(pieces[12], std::string(kPeriodLabel) + "1\0x"s);
  EXPECT_EQ(pieces[14], (std::string{'\0', '2', '\r', '\n'}));
}

TEST(ComposeReceiptTest, OneItemLinePerRowBetweenHeaderAndSeparator) {
  ReceiptValues values = SomeValues();
  values.items = {
      {kFourByteGoods, 1, 1.0, 1.0}, {kSixByteGoods, 2, 2.0, 4.0}, {kFourByteGoods, 3, 3.0, 9.0}};
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_EQ(pieces.size(), 19u);
  EXPECT_EQ(pieces[6], kFourByteGoods + kFourteen + "1  1.00 1.00\r\n");
  EXPECT_EQ(pieces[7], kSixByteGoods + kTwelve + "2  2.00 4.00\r\n");
  EXPECT_EQ(pieces[8], kFourByteGoods + kFourteen + "3  3.00 9.00\r\n");
  EXPECT_EQ(pieces[9], "--------------------------------\r\n");
}

}  // namespace
