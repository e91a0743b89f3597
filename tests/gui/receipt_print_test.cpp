// Printing from the real sale form, driven by simulated input, into a file standing in
// for the printer.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/receipt_dlg.h"
#include "port/device_printer.h"
#include "tests/gui/gui_driver.h"
#include "tests/support/file_bytes.h"
#include "tests/support/golden_receipt.h"

// Failed dialog expectations become test failures, and a message box nobody expected is
// dismissed instead of waiting for a click that never comes.
#define wxTEST_DIALOG_HOOK_CLASS TestModalHook
#include <wx/testing.h>

class TestModalHook : public wxTestingModalHook {
 public:
  TestModalHook(const char* file, int line, const char* function)
      : wxTestingModalHook(file, line, function), file_(file), line_(line) {}

 protected:
  int Enter(wxDialog* dialog) override {
    const int result = wxTestingModalHook::Enter(dialog);
    return result == wxID_NONE ? wxID_OK : result;
  }
  void ReportFailure(const wxString& message) override {
    ADD_FAILURE_AT(file_, line_) << message.utf8_string();
  }

 private:
  const char* file_;
  int line_;
};

namespace {

// Expects a message box with one OK button; records its text and answers it.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
 public:
  explicit ExpectMessage(std::vector<wxString>* shown) : shown_(shown) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
    shown_->push_back(dialog->GetMessage());
    const long style = dialog->GetMessageDialogStyle();
    EXPECT_TRUE((style & wxOK) != 0 && (style & (wxCANCEL | wxYES_NO)) == 0) << style;
    return wxID_OK;
  }

 private:
  std::vector<wxString>* shown_;
};

class ReceiptPrintTest : public testing::Test {
 protected:
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
    GuiDriver::Settle();
    std::filesystem::remove_all(directory_);
  }

  // Opens the form printing to `device`, a path inside this test's own directory.
  void Open(const char* device) {
    ASSERT_TRUE(std::filesystem::create_directory(directory_));
    device_ = directory_ / device;
    auto printer = std::make_unique<DevicePrinter>(std::vector<std::string>{device_.string()});
    dialog_ = new CReceiptDlg(nullptr, std::move(printer));
    ASSERT_TRUE(driver_.ShowAndActivate(dialog_)) << "the form never became active";
  }

  template <class Control>
  Control* Find(int id) const {
    return wxDynamicCast(dialog_->FindWindow(id), Control);
  }

  void Type(int id, const wxString& text) {
    Find<wxTextCtrl>(id)->Clear();
    driver_.TypeInto(Find<wxTextCtrl>(id), text);
  }

  void TypeRow(int row, const char* goods, const char* quantity, const char* price) {
    const ItemRow ids = MakeItemRow(row);
    ASSERT_TRUE(driver_.Choose(Find<wxChoice>(ids.goods), wxString::FromUTF8(goods)));
    Type(ids.quantity, quantity);
    Type(ids.price, price);
  }

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

  bool IsEnabled(int id) const { return dialog_->FindWindow(id)->IsEnabled(); }

  const std::filesystem::path directory_ =
      std::filesystem::temp_directory_path() / ("receipt-print-test-" + std::to_string(getpid()));
  std::filesystem::path device_;
  CReceiptDlg* dialog_ = nullptr;
  GuiDriver driver_;
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
  EXPECT_EQ(Hex(ReadFileBytes(device_)), Hex(Concatenate(expected.pieces)));
  EXPECT_FALSE(IsEnabled(IDC_PASSPHRASE_LABEL));
  EXPECT_EQ(Find<wxTextCtrl>(IDC_DATE)->GetValue(), "2024/3/5");  // the box keeps the typing
  EXPECT_EQ(Find<wxTextCtrl>(IDC_TOTAL)->GetValue(), "10.75");
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
