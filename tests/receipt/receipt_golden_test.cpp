// Complete sales printed through the Print command, compared byte for byte and piece for
// piece with receipts written out by hand in golden/*.hex.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/total_command.h"
#include "receipt/print_command.h"
#include "tests/support/expected_receipt.h"
#include "tests/support/fake_form.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/golden_sales.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_progress.h"
#include "tests/support/typed_sale.h"

namespace {

class ReceiptGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(ReceiptGoldenTest, PrintsTheHandWrittenReceipt) {
  const GoldenCase& sale = GetParam();
  const GoldenReceipt expected = ReadGoldenReceipt(sale.golden);
  ASSERT_EQ(expected.error, "");
  FakeForm form;
  TypeSale(form, sale.Typed());
  TotalCommand total(form);
  RecordingPrinter printer;
  ScriptedProgress progress;
  InlinePrint runner(progress);
  PrintCommand print(form, total, printer, runner);

  print.OnPrint();

  EXPECT_EQ(form.messages, std::vector<std::string>{});
  EXPECT_EQ(Hex(printer.writes), Hex(expected.pieces));
  EXPECT_EQ(printer.opens, 1);
  EXPECT_EQ(printer.closes, 1);
}

INSTANTIATE_TEST_SUITE_P(Sales, ReceiptGoldenTest, testing::ValuesIn(GoldenSales()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.golden);
                         });

// The layout rules as the GUI tests write receipts out give the hand-written receipts too,
// so a receipt those tests expect is one a person checked.
TEST(ExpectedReceiptTest, GivesTheHandWrittenReceipts) {
  const std::string mung_beans(kMungBeans);
  const std::string soybeans(kSoybeans);
  const std::string peanut_oil(kPeanutOil);
  const struct {
    const char* golden = nullptr;
    ExpectedSale sale;
  } cases[] = {
      {"negative_quantity",
       {"Li",
        "8",
        "2024-03-05",
        "09:07:02",
        {{mung_beans, -1, 5}, {soybeans, 3, 2}},
        0.5,
        "1",
        "2"}},
      {"quantity_over_99",
       {"Li",
        "7",
        "2024-12-08",
        "23:34:56",
        {{peanut_oil, 120, 1}, {mung_beans, 99, 2}, {soybeans, 100, 0.5}},
        400,
        "1",
        "1"}},
      {"received_without_digits",
       {"Li", "10", "2024-03-05", "09:07:02", {{mung_beans, 2, 3.5}}, 0, "1", "1"}},
  };
  for (const auto& each : cases) {
    const GoldenReceipt golden = ReadGoldenReceipt(each.golden);
    ASSERT_EQ(golden.error, "");
    EXPECT_EQ(Hex(ExpectedReceipt(each.sale)), Hex(Concatenate(golden.pieces))) << each.golden;
  }
}

}  // namespace
