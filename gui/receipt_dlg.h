// The sale form: one dialog holding every control of the till. It only builds the
// widgets, translates between them and the form operations, and forwards each button to
// its command; the commands themselves live in the core.
#pragma once

#include <wx/dialog.h>
#include <wx/iconbndl.h>

#include <array>
#include <memory>

#include "form/form_interface.h"
#include "form/item_row.h"
#include "form/total_command.h"
#include "gui/print_progress_window.h"
#include "port/lpt1.h"
#include "productinfo/about_command.h"
#include "receipt/background_print.h"
#include "receipt/print_command.h"

class wxChoice;

class CReceiptDlg : public wxDialog, public FormInterface {
 public:
  // Receipts go to `printer`: "LPT1" unless a test gives its own.
  explicit CReceiptDlg(wxWindow* parent = nullptr,
                       std::unique_ptr<PrinterConnector> printer = MakeLpt1Connector());
  ~CReceiptDlg() override;
  CReceiptDlg(const CReceiptDlg&) = delete;
  CReceiptDlg& operator=(const CReceiptDlg&) = delete;

  // FormInterface, over the widgets; texts are converted between GBK and Unicode here.
  std::string GetText(int id) const override;
  void SetText(int id, std::string_view text) override;
  int GetSelection(int id) const override;
  void AddItem(int id, std::string_view text) override;
  void Disable(int id) override;
  void SetFocus(int id) override;
  using wxDialog::SetFocus;  // the window's own, which the form operation would hide
  void ShowMessage(std::string_view text) override;

 private:
  void DoDataExchange();
  wxChoice* Picker(int id) const;

  void OnInitDialog(wxInitDialogEvent& event);
  void OnTotal(wxCommandEvent& event);
  void OnPrint(wxCommandEvent& event);
  void OnAbout(wxCommandEvent& event);
  void OnDestroy(wxWindowDestroyEvent& event);
  void OnCharHook(wxKeyEvent& event);

  AboutCommand m_about;                              // component and product record
  TotalCommand m_total;                              // item count and total
  std::unique_ptr<PrinterConnector> m_printer;       // where receipts go
  PrintProgressWindow m_progress;                    // "正在打印…" while the printer waits
  BackgroundPrint m_printing;                        // the print under way, if any
  PrintCommand m_print;                              // holds the passphrase lock
  std::array<wxChoice*, kItemRowCount> m_cbGoods{};  // goods pickers of rows 6 to 1
  wxIconBundle m_hIcon;

  wxDECLARE_EVENT_TABLE();
};
