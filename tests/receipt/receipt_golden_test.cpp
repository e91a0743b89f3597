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

struct GoldenCase {
  const char* golden;  // file name under golden/, without ".hex"
  TypedSale sale;
};

// A failing case is named by its file, not dumped as bytes.
void PrintTo(const GoldenCase& golden_case, std::ostream* out) {
  *out << golden_case.golden;
}

class ReceiptGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(ReceiptGoldenTest, PrintsTheHandWrittenReceipt) {
  const GoldenReceipt expected = ReadGoldenReceipt(GetParam().golden);
  ASSERT_EQ(expected.error, "");
  FakeForm form;
  TypeSale(form, GetParam().sale);
  TotalCommand total(form);
  RecordingPrinter printer;
  PrintCommand print(form, total, printer);

  print.OnPrint();

  EXPECT_EQ(form.messages, std::vector<std::string>{});
  EXPECT_EQ(Hex(printer.writes), Hex(expected.pieces));
  EXPECT_EQ(printer.opens, 1);
  EXPECT_EQ(printer.closes, 1);
}

TypedSale Sale(std::string cashier, std::string receipt_number, std::vector<TypedRow> rows,
               std::string received) {
  return {std::move(cashier), std::move(receipt_number), "2024-03-05", "09:07:02",
          std::move(rows),    std::move(received),       "1",          "1"};
}

TypedSale OneRow() {
  TypedSale sale = Sale("Li", "0001", {{kMungBeans, "2", "3.5"}}, "10");
  sale.period1 = "12";
  sale.period2 = "3";
  return sale;
}

TypedSale TwoRows() {
  TypedSale sale = Sale("Li", "42", {{kMungBeans, "2", "3.5"}, {kNoodles, "3", "1.25"}}, "20");
  sale.date = "2024/3/5";
  sale.time = "9:07:02";
  sale.period1 = "3";
  sale.period2 = "7";
  return sale;
}

TypedSale SixRows() {
  TypedSale sale = Sale("王芳", "A-17",
                        {{kMungBeans, "1", "2.5"},
                         {kSoybeans, "2", "3"},
                         {kCorn, "10", "1.2"},
                         {kPeanutOil, "3", "12.8"},
                         {kNortheastRice, "5", "4.25"},
                         {kNoodles, "4", "0.75"}},
                        "100");
  sale.date = "2024/3/5";
  sale.time = "9:07";
  sale.period1 = "2";
  return sale;
}

TypedSale QuantityOver99() {
  TypedSale sale =
      Sale("Li", "7",
           {{kPeanutOil, "120", "1"}, {kMungBeans, "99", "2"}, {kSoybeans, "100", "0.5"}}, "400");
  sale.date = "2024-12-08";
  sale.time = "23:34:56";
  return sale;
}

TypedSale NegativeQuantity() {
  TypedSale sale = Sale("Li", "8", {{kMungBeans, "-1", "5"}, {kSoybeans, "3", "2"}}, "0.5");
  sale.period2 = "2";
  return sale;
}

TypedSale EmptyFields() {
  TypedSale sale = Sale("Li", "", {{kNoodles, "1", "4"}}, "5");
  sale.period1 = "";
  sale.period2 = "";
  return sale;
}

TypedSale UnparsableDate() {
  TypedSale sale = Sale("Li", "9", {{kMungBeans, "2", "3.5"}}, "10");
  sale.date = "2023-02-29";
  sale.time = "10:00";
  return sale;
}

TypedSale LongCashier() {
  std::string cashier;
  for (int i = 0; i < 20; ++i) cashier += "王";
  return Sale(cashier, "11", {{kMungBeans, "2", "3.5"}}, "10");
}

TypedSale ChineseAndNonGbk() {
  TypedSale sale = Sale("张😀三", "甲01", {{kNortheastRice, "2", "7.5"}}, "20");
  sale.period1 = "早场";
  sale.period2 = "第2期";
  return sale;
}

INSTANTIATE_TEST_SUITE_P(
    Sales, ReceiptGoldenTest,
    testing::Values(
        GoldenCase{"one_row", OneRow()}, GoldenCase{"two_rows", TwoRows()},
        GoldenCase{"six_rows", SixRows()}, GoldenCase{"quantity_over_99", QuantityOver99()},
        GoldenCase{"negative_quantity", NegativeQuantity()},
        GoldenCase{"empty_fields", EmptyFields()}, GoldenCase{"unparsable_date", UnparsableDate()},
        GoldenCase{"received_without_digits", Sale("Li", "10", {{kMungBeans, "2", "3.5"}}, "abc")},
        GoldenCase{"long_cashier", LongCashier()},
        GoldenCase{"chinese_and_non_gbk", ChineseAndNonGbk()}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.golden); });

}  // namespace
