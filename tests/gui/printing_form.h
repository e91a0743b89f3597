// The real sale form printing into a file that stands in for the printer, with helpers
// to fill it in as a cashier does.
#pragma once

#include <gtest/gtest.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <filesystem>
#include <memory>
#include <string>

#include "gui/receipt_dlg.h"
#include "tests/gui/gui_driver.h"

class PrintingFormTest : public testing::Test {
 protected:
  void TearDown() override;

  // Opens the form printing to `device`, a path inside this test's own directory (on
  // Windows: to LPT1, which the test run maps to a file or leaves unmapped).
  void Open(const char* device);
  // The printer's reason when `device` (LPT1) does not exist.
  wxString MissingPrinterReason() const;

  template <class Control>
  Control* Find(int id) const {
    return dynamic_cast<Control*>(dialog_->FindWindow(id));
  }

  // Empties a box, then types `text` into it with the simulated keyboard.
  void Type(int id, const wxString& text);
  // Types the sale of golden/two_rows.hex.
  void TypeTwoRowSale();
  // Picks `goods` in item row `row` and types its quantity and unit price.
  void TypeRow(int row, const char* goods, const char* quantity, const char* price);
  bool IsEnabled(int id) const;
  void ShowForm(std::unique_ptr<PrinterConnector> printer);
  // Everything the printer has received so far.
  std::string Printed() const;

  const std::filesystem::path directory_ =
      std::filesystem::temp_directory_path() /
      ("receipt-print-test-" + std::to_string(wxGetProcessId()));
  std::filesystem::path device_;
  CReceiptDlg* dialog_ = nullptr;
  GuiDriver driver_;
};
