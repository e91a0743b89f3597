#include "receipt/receipt_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const std::string kMungBeans = "\xC2\xCC\xB6\xB9";          // 绿豆, 4 bytes
const std::string kPeanutOil = "\xBB\xA8\xC9\xFA\xD3\xCD";  // 花生油, 6 bytes
const std::string kFourteen = "              ";             // fills a 4-byte name to 18
const std::string kTwelve = "            ";                 // fills a 6-byte name to 18

TEST(MakeSpacesTest, GivesThatManySpacesAndNoneForZeroOrLess) {
  EXPECT_EQ(MakeSpaces(0), "");
  EXPECT_EQ(MakeSpaces(-3), "");
  EXPECT_EQ(MakeSpaces(1), " ");
  EXPECT_EQ(MakeSpaces(14), kFourteen);
}

struct LineCase {
  const char* name;
  std::string goods;
  const char* quantity;
  const char* price;
  std::string line;
};

void PrintTo(const LineCase& line_case, std::ostream* out) {
  *out << line_case.name;
}

class FormatItemLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(FormatItemLineTest, LinesUpTheColumns) {
  EXPECT_EQ(FormatItemLine(GetParam().goods, GetParam().quantity, GetParam().price),
            GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatItemLineTest,
    testing::Values(LineCase{"FourByteGoods", kMungBeans, "2", "3.5",
                             kMungBeans + kFourteen + "2  3.50 7.00\r\n"},
                    LineCase{"SixByteGoodsAndThreeDigits", kPeanutOil, "120", "1",
                             kPeanutOil + kTwelve + "120  1.00120.00\r\n"},
                    LineCase{"NinetyNineKeepsTheSpace", kMungBeans, "99", "1",
                             kMungBeans + kFourteen + "99  1.00 99.00\r\n"},
                    LineCase{"HundredDropsTheSpace", kMungBeans, "100", "1",
                             kMungBeans + kFourteen + "100  1.00100.00\r\n"},
                    // The total counts 2.7 as 2, and so does the line: 2.00, not 2.70.
                    LineCase{"FractionalQuantityReadsWhole", kMungBeans, "2.7", "1.00",
                             kMungBeans + kFourteen + "2  1.00 2.00\r\n"},
                    LineCase{"NegativeQuantity", kMungBeans, "-1", "5",
                             kMungBeans + kFourteen + "-1  5.00 -5.00\r\n"},
                    LineCase{"LargeNegativeQuantityKeepsTheSpace", kMungBeans, "-150", "1",
                             kMungBeans + kFourteen + "-150  1.00 -150.00\r\n"},
                    LineCase{"QuantityWithTrailingText", kMungBeans, " 12abc", "2",
                             kMungBeans + kFourteen + "12  2.00 24.00\r\n"},
                    LineCase{"PriceWithExponent", kMungBeans, "1", "1e3",
                             kMungBeans + kFourteen + "1  1000.00 1000.00\r\n"},
                    LineCase{"PriceWithoutDigits", kMungBeans, "1", "abc",
                             kMungBeans + kFourteen + "1  0.00 0.00\r\n"},
                    LineCase{"HugeQuantitySaturates", kMungBeans, "3000000000", "1",
                             kMungBeans + kFourteen + "2147483647  1.002147483647.00\r\n"},
                    // printf rounds the exact binary value, halves to even: 0.125 is exact and
                    // prints 0.12, 0.375 prints 0.38; 2.675 is a little below and prints 2.67.
                    LineCase{"HalfwayRoundsToEven", kMungBeans, "3", "0.125",
                             kMungBeans + kFourteen + "3  0.12 0.38\r\n"},
                    LineCase{"BinaryValueBelowHalfway", kMungBeans, "1", "2.675",
                             kMungBeans + kFourteen + "1  2.67 2.67\r\n"},
                    LineCase{"EmptyGoodsIsAllSpaces", "", "1", "1",
                             "                  1  1.00 1.00\r\n"},
                    LineCase{"SeventeenByteGoods", "ABCDEFGHIJKLMNOPQ", "1", "1",
                             "ABCDEFGHIJKLMNOPQ 1  1.00 1.00\r\n"},
                    LineCase{"EighteenByteGoods", "ABCDEFGHIJKLMNOPQR", "1", "1",
                             "ABCDEFGHIJKLMNOPQR1  1.00 1.00\r\n"},
                    LineCase{"LongerGoodsAreNotCut", "ABCDEFGHIJKLMNOPQRST", "1", "1",
                             "ABCDEFGHIJKLMNOPQRST1  1.00 1.00\r\n"}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

ReceiptValues SomeValues() {
  ReceiptValues values;
  values.cashier = "Li";
  values.receipt_number = "1";
  values.date = "2024-03-05";
  values.time = "09:07:02";
  values.items = {{kMungBeans, "2", "3.5"}};
  values.total = 7.0;
  values.received = 10.0;
  return values;
}

const std::string kCashierLabel = "\xCA\xD5\xD2\xF8\xD4\xB1:";  // 收银员:
const std::string kNumberLabel = "   \xB1\xE0\xBA\xC5:";        // 编号:

TEST(ComposeReceiptTest, PrintsAMegabyteCashierNameWhole) {
  ReceiptValues values = SomeValues();
  values.cashier = std::string(1 << 20, 'x');
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_GT(pieces.size(), 2u);
  EXPECT_EQ(pieces[2], kCashierLabel + values.cashier + kNumberLabel + "1\r\n");
}

TEST(ComposeReceiptTest, TypedTextIsNeverTakenAsAPattern) {
  ReceiptValues values = SomeValues();
  values.cashier = "%s%n%d";
  values.receipt_number = "%%";
  values.period1 = "%x";
  values.period2 = "%.2f";
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_EQ(pieces.size(), 17u);
  EXPECT_EQ(pieces[2], kCashierLabel + "%s%n%d" + kNumberLabel + "%%\r\n");
  EXPECT_EQ(pieces[12], "\xB3\xA1\xC6\xDA\xB4\xCE:    %x");  // 场期次:
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
  EXPECT_EQ(pieces[2], kCashierLabel + "L\0i"s + kNumberLabel + "\0\r\n"s);
  EXPECT_EQ(pieces[3], "\xC8\xD5\xC6\xDA:2024\0    \xCA\xB1\xBC\xE4:\0\0\r\n"s);  // 日期: 时间:
  EXPECT_EQ(pieces[12], "\xB3\xA1\xC6\xDA\xB4\xCE:    1\0x"s);                    // 场期次:
  EXPECT_EQ(pieces[14], (std::string{'\0', '2', '\r', '\n'}));
}

TEST(ComposeReceiptTest, OneItemLinePerRowBetweenHeaderAndSeparator) {
  ReceiptValues values = SomeValues();
  values.items = {{kMungBeans, "1", "1"}, {kPeanutOil, "2", "2"}, {kMungBeans, "3", "3"}};
  const std::vector<std::string> pieces = ComposeReceipt(values);
  ASSERT_EQ(pieces.size(), 19u);
  EXPECT_EQ(pieces[6], kMungBeans + kFourteen + "1  1.00 1.00\r\n");
  EXPECT_EQ(pieces[7], kPeanutOil + kTwelve + "2  2.00 4.00\r\n");
  EXPECT_EQ(pieces[8], kMungBeans + kFourteen + "3  3.00 9.00\r\n");
  EXPECT_EQ(pieces[9], "--------------------------------\r\n");
}

}  // namespace
