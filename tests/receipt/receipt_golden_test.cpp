// Complete sales printed through the Print command, compared byte for byte and piece for
// piece with receipts written out by hand in golden/*.hex.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form/total_command.h"
#include "receipt/print_command.h"
#include "tests/support/fake_form.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/recording_printer.h"
#include "tests/support/typed_sale.h"

namespace {

// Indexes into the goods list.
constexpr int kMungBeans = 0;      // 绿豆
constexpr int kSoybeans = 1;       // 大豆
constexpr int kCorn = 2;           // 玉米
constexpr int kPeanutOil = 3;      // 花生油
constexpr int kNortheastRice = 4;  // 东北米
constexpr int kNoodles = 5;        // 挂面

// A complete sale. Cases name what they change; the rest is a plain sale.
struct GoldenCase {
  const char* golden;  // file name under golden/, without ".hex"
  std::vector<TypedRow> rows;
  std::string received;
  std::string receipt_number;
  std::string cashier = "Li";
  std::string date = "2024-03-05";
  std::string time = "09:07:02";
  std::string period1 = "1";
  std::string period2 = "1";
};

// A failing case is named by its file, not dumped as bytes.
void PrintTo(const GoldenCase& golden_case, std::ostream* out) {
  *out << golden_case.golden;
}

class ReceiptGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(ReceiptGoldenTest, PrintsTheHandWrittenReceipt) {
  const GoldenCase& sale = GetParam();
  const GoldenReceipt expected = ReadGoldenReceipt(sale.golden);
  ASSERT_EQ(expected.error, "");
  FakeForm form;
  TypeSale(form, {sale.cashier, sale.receipt_number, sale.date, sale.time, sale.rows, sale.received,
                  sale.period1, sale.period2});
  TotalCommand total(form);
  RecordingPrinter printer;
  PrintCommand print(form, total, printer);

  print.OnPrint();

  EXPECT_EQ(form.messages, std::vector<std::string>{});
  EXPECT_EQ(Hex(printer.writes), Hex(expected.pieces));
  EXPECT_EQ(printer.opens, 1);
  EXPECT_EQ(printer.closes, 1);
}

std::string TwentyTimes(const std::string& text) {
  std::string repeated;
  for (int i = 0; i < 20; ++i) repeated += text;
  return repeated;
}

INSTANTIATE_TEST_SUITE_P(
    Sales, ReceiptGoldenTest,
    testing::Values(GoldenCase{.golden = "one_row",
                               .rows = {{kMungBeans, "2", "3.5"}},
                               .received = "10",
                               .receipt_number = "0001",
                               .period1 = "12",
                               .period2 = "3"},
                    GoldenCase{.golden = "two_rows",
                               .rows = {{kMungBeans, "2", "3.5"}, {kNoodles, "3", "1.25"}},
                               .received = "20",
                               .receipt_number = "42",
                               .date = "2024/3/5",
                               .time = "9:07:02",
                               .period1 = "3",
                               .period2 = "7"},
                    GoldenCase{.golden = "six_rows",
                               .rows = {{kMungBeans, "1", "2.5"},
                                        {kSoybeans, "2", "3"},
                                        {kCorn, "10", "1.2"},
                                        {kPeanutOil, "3", "12.8"},
                                        {kNortheastRice, "5", "4.25"},
                                        {kNoodles, "4", "0.75"}},
                               .received = "100",
                               .receipt_number = "A-17",
                               .cashier = "王芳",
                               .date = "2024/3/5",
                               .time = "9:07",
                               .period1 = "2"},
                    GoldenCase{.golden = "quantity_over_99",
                               .rows = {{kPeanutOil, "120", "1"},
                                        {kMungBeans, "99", "2"},
                                        {kSoybeans, "100", "0.5"}},
                               .received = "400",
                               .receipt_number = "7",
                               .date = "2024-12-08",
                               .time = "23:34:56"},
                    GoldenCase{.golden = "negative_quantity",
                               .rows = {{kMungBeans, "-1", "5"}, {kSoybeans, "3", "2"}},
                               .received = "0.5",
                               .receipt_number = "8",
                               .period2 = "2"},
                    GoldenCase{.golden = "empty_fields",
                               .rows = {{kNoodles, "1", "4"}},
                               .received = "5",
                               .receipt_number = "",
                               .period1 = "",
                               .period2 = ""},
                    GoldenCase{.golden = "unparsable_date",
                               .rows = {{kMungBeans, "2", "3.5"}},
                               .received = "10",
                               .receipt_number = "9",
                               .date = "2023-02-29",
                               .time = "10:00"},
                    GoldenCase{.golden = "received_without_digits",
                               .rows = {{kMungBeans, "2", "3.5"}},
                               .received = "abc",
                               .receipt_number = "10"},
                    GoldenCase{.golden = "long_cashier",
                               .rows = {{kMungBeans, "2", "3.5"}},
                               .received = "10",
                               .receipt_number = "11",
                               .cashier = TwentyTimes("王")},
                    GoldenCase{.golden = "chinese_and_non_gbk",
                               .rows = {{kNortheastRice, "2", "7.5"}},
                               .received = "20",
                               .receipt_number = "甲01",
                               .cashier = "张😀三",
                               .period1 = "早场",
                               .period2 = "第2期"}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.golden); });

}  // namespace
