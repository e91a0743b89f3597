// Printing from the real sale form, driven by simulated input, into a file standing in
// for the printer.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>

#include <fstream>
#include <vector>

#include "form/control_ids.h"
#include "tests/gui/modal_expectations.h"
#include "tests/gui/printing_form.h"
#include "tests/support/golden_receipt.h"

namespace {

using ReceiptPrintTest = PrintingFormTest;

TEST_F(ReceiptPrintTest, PrintsTheTypedSaleByteForByte) {
  Open("printer.prn");
  { std::ofstream create(device_); }
  TypeTwoRowSale();
  {
    // Any message box would be a failure here.
    TestModalHook no_messages(__FILE__, __LINE__, "PrintsTheTypedSaleByteForByte");
    driver_.Click(Find<wxButton>(IDC_PRINT));
    GuiDriver::WaitUntil([this] { return !IsEnabled(IDC_PASSPHRASE); });
    no_messages.CheckUnmetExpectations();
  }
  const GoldenReceipt expected = ReadGoldenReceipt("two_rows");
  ASSERT_EQ(expected.error, "");
  EXPECT_EQ(Hex(Printed()), Hex(Concatenate(expected.pieces)));
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE_LABEL));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_DATE)->GetValue(), "2024/3/5");  // the box keeps the typing
  EXPECT_EQ(Find<wxTextCtrl>(IDC_TOTAL)->GetValue(), "10.75");
}

TEST_F(ReceiptPrintTest, WithoutAPrinterSaysSoAndStillLocksThePassphrase) {
  Open("missing/lp0");
  TypeTwoRowSale();
  const wxString expected =
      wxString::FromUTF8("没有连接打印机或者打印机端口不是LPT1！\n") + MissingPrinterReason();
  std::vector<wxString> shown;
  wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], expected);
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE));
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE_LABEL));

  wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], expected);
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE));
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE_LABEL));
}

}  // namespace
