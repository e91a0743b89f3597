// Complete sales printed through the Print command, compared byte for byte and piece for
// piece with receipts written out by hand in golden/*.hex.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/total_command.h"
#include "receipt/print_command.h"
#include "tests/support/fake_form.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/golden_sales.h"
#include "tests/support/recording_printer.h"
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
  PrintCommand print(form, total, printer);

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

}  // namespace
