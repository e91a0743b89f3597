// The Windows program's printer, "LPT1", printing whole receipts through the Print
// command. Runs under Wine in a Simplified Chinese Windows (scripts/wine-run); the test run
// sets RECEIPT_WINE_LPT1 to a file for Wine to map LPT1 to, or sets it empty to leave LPT1
// unmapped, as on a machine with no printer port.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "form/total_command.h"
#include "port/lpt1.h"
#include "receipt/print_command.h"
#include "tests/support/fake_form.h"
#include "tests/support/file_bytes.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/golden_sales.h"
#include "tests/support/scripted_progress.h"
#include "tests/support/wine_lpt1_windows.h"

namespace {

// Types `sale` into a form and presses "打印" with the program's own printer.
std::vector<std::string> PrintOnLpt1(const GoldenCase& sale) {
  FakeForm form;
  TypeSale(form, sale.Typed());
  TotalCommand total(form);
  const std::unique_ptr<PrinterConnector> printer = MakeLpt1Connector();
  ScriptedProgress progress;
  InlinePrint runner(progress);
  PrintCommand print(form, total, *printer, runner);
  print.OnPrint();
  return form.messages;
}

class Lpt1MappedTest : public testing::TestWithParam<GoldenCase> {
 protected:
  void SetUp() override {
    const std::optional<std::string> file = WineLpt1File();
    ASSERT_TRUE(file && !file->empty())
        << "LPT1 is not mapped to a file: run this through ctest, which maps it under Wine";
    path_ = *file;
    std::ofstream(path_, std::ios::binary | std::ios::trunc);
  }

  std::string path_;
};

TEST_P(Lpt1MappedTest, PrintsTheHandWrittenReceiptOnLpt1) {
  const GoldenReceipt expected = ReadGoldenReceipt(GetParam().golden);
  ASSERT_EQ(expected.error, "");

  EXPECT_EQ(PrintOnLpt1(GetParam()), std::vector<std::string>{});
  EXPECT_EQ(Hex(ReadFileBytes(path_)), Hex(Concatenate(expected.pieces)));
}

INSTANTIATE_TEST_SUITE_P(Sales, Lpt1MappedTest, testing::ValuesIn(GoldenSales()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.golden);
                         });

using Lpt1MappedAppendTest = Lpt1MappedTest;

TEST_F(Lpt1MappedAppendTest, ReceiptsFollowOneAnother) {
  const GoldenCase& sale = GoldenSales().front();
  const std::string receipt = Concatenate(ReadGoldenReceipt(sale.golden).pieces);
  ASSERT_FALSE(receipt.empty());

  EXPECT_EQ(PrintOnLpt1(sale), std::vector<std::string>{});
  EXPECT_EQ(PrintOnLpt1(sale), std::vector<std::string>{});
  EXPECT_EQ(Hex(ReadFileBytes(path_)), Hex(receipt + receipt));
}

TEST(Lpt1UnmappedTest, PrintReportsThePortAndTheSystemsReason) {
  const std::optional<std::string> file = WineLpt1File();
  ASSERT_TRUE(file && file->empty())
      << "LPT1 is not unmapped: run this through ctest, which unmaps it under Wine";

  // Wine's text for ERROR_FILE_NOT_FOUND in Simplified Chinese, 找不到文件。(Windows' own
  // reads 系统找不到指定的文件。).
  const std::string reason = "\xD5\xD2\xB2\xBB\xB5\xBD\xCE\xC4\xBC\xFE\xA1\xA3";
  EXPECT_EQ(PrintOnLpt1(GoldenSales().front()),
            std::vector<std::string>{std::string(kNoPrinterMessage) + "\nLPT1: " + reason});
}

}  // namespace
