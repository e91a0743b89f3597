#include "tests/gui/printing_form.h"

#include <wx/choice.h>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "tests/support/file_bytes.h"

void PrintingFormTest::ShowForm(std::unique_ptr<PrinterConnector> printer) {
  dialog_ = new CReceiptDlg(nullptr, std::move(printer));
  ASSERT_TRUE(driver_.ShowAndActivate(dialog_)) << "the form never became active";
}

void PrintingFormTest::TearDown() {
  if (dialog_ != nullptr) dialog_->Destroy();
  GuiDriver::Settle();
  std::filesystem::remove_all(directory_);
}

void PrintingFormTest::Type(int id, const wxString& text) {
  Find<wxTextCtrl>(id)->Clear();
  driver_.TypeInto(Find<wxTextCtrl>(id), text);
}

void PrintingFormTest::TypeTwoRowSale() {
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

void PrintingFormTest::TypeRow(int row, const char* goods, const char* quantity,
                               const char* price) {
  const ItemRow ids = MakeItemRow(row);
  ASSERT_TRUE(driver_.Choose(Find<wxChoice>(ids.goods), wxString::FromUTF8(goods)));
  Type(ids.quantity, quantity);
  Type(ids.price, price);
}

bool PrintingFormTest::IsEnabled(int id) const {
  return dialog_->FindWindow(id)->IsEnabled();
}

std::string PrintingFormTest::Printed() const {
  return ReadFileBytes(device_.string());
}
