#include "tests/gui/printing_form.h"

#include <wx/choice.h>

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
  return ReadFileBytes(device_);
}
