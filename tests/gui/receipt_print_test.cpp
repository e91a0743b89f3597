// Printing from the real sale form, driven by simulated input, into a file standing in
// for the printer.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "tests/gui/modal_expectations.h"
#include "tests/gui/printing_form.h"
#include "tests/port/port_test_files.h"
#include "tests/support/golden_receipt.h"

namespace {

class ReceiptPrintTest : public PrintingFormTest {
 protected:
  // The sale of golden/two_rows.hex.
  void TypeTwoRowSale() {
    Type(IDC_CASHIER, "Li");
    Type(IDC_RECEIPTNO, "42");
    Type(IDC_DATE, "2024/3/5");
    Type(IDC_TIME, "9:07:02");
    TypeRow(1, "绿豆", "2", "3.5");
    TypeRow(2, "挂面", "3", "1.25");
    Type(IDC_RECEIVED, "20");
    Type(IDC_PERIOD1, "3");
    Type(IDC_PERIOD2, "7");
  }

  // The "取消" button of the progress window over the form, while one is shown.
  wxButton* ProgressCancelButton() const {
    const auto progress = std::find_if(wxTopLevelWindows.begin(), wxTopLevelWindows.end(),
                                       [this](const wxWindow* window) {
                                         return window != dialog_ && window->IsShown() &&
                                                dynamic_cast<const wxDialog*>(window) != nullptr;
                                       });
    if (progress == wxTopLevelWindows.end()) return nullptr;
    return dynamic_cast<wxButton*>((*progress)->FindWindow(wxID_CANCEL));
  }
};

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

// A printer that takes nothing: the progress window appears over the form, the form's own
// events keep being handled meanwhile, and "取消" ends the print with the message.
TEST_F(ReceiptPrintTest, StalledPrinterShowsProgressAndCancels) {
  Open("fifo");
  const int reader = MakeFifoWithReader(device_.string());  // never reads
  ASSERT_GE(reader, 0);
  const std::string held = FillFifo(device_.string());
  ASSERT_NE(held, "");
  TypeTwoRowSale();

  // Runs inside the print: once the window is there, posts a call to the form; once the
  // form has answered it, clicks "取消".
  bool form_answered = false;
  bool clicked = false;
  wxTimer watch;
  watch.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxButton* cancel = ProgressCancelButton();
    if (cancel == nullptr || clicked) return;
    if (!form_answered) {
      dialog_->CallAfter([&form_answered] { form_answered = true; });
      return;
    }
    clicked = true;
    driver_.Click(cancel);
  });
  watch.Start(50);
  std::vector<wxString> shown;
  wxTEST_DIALOG(driver_.Click(Find<wxButton>(IDC_PRINT)), ExpectMessage(&shown));
  watch.Stop();

  EXPECT_TRUE(clicked) << "the progress window never appeared or the form never answered";
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], wxString::FromUTF8("打印机写入失败，小票可能不完整！\n打印已取消。"));
  EXPECT_EQ(ProgressCancelButton(), nullptr);
  EXPECT_TRUE(IsEnabled(IDC_PRINT));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_DATE)->GetValue(), "2024/3/5");
  EXPECT_EQ(Find<wxTextCtrl>(IDC_CASHIER)->GetValue(), "Li");
  EXPECT_TRUE(ReadToEnd(reader) == held) << "part of the receipt reached the printer";
  close(reader);
}

TEST_F(ReceiptPrintTest, WithoutAPrinterSaysSoAndStillLocksThePassphrase) {
  Open("missing/lp0");
  TypeTwoRowSale();
  const wxString expected = wxString::FromUTF8("没有连接打印机或者打印机端口不是LPT1！\n") +
                            device_.string() + ": No such file or directory";
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
