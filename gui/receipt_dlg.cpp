#include "gui/receipt_dlg.h"

#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <ctime>
#include <utility>

#include "form/control_ids.h"
#include "form/dialog_template.h"
#include "form/form_setup.h"
#include "gui/app_icon.h"
#include "gui/form_widgets.h"
#include "gui/wx_text.h"

namespace {

bool IsEnterKey(int key) {
  return key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CReceiptDlg, wxDialog)
  EVT_INIT_DIALOG(CReceiptDlg::OnInitDialog)
  EVT_BUTTON(IDC_TOTAL_BUTTON, CReceiptDlg::OnTotal)
  EVT_BUTTON(IDC_PRINT, CReceiptDlg::OnPrint)
  EVT_WINDOW_DESTROY(CReceiptDlg::OnDestroy)
  EVT_BUTTON(IDC_ABOUT, CReceiptDlg::OnAbout)
  EVT_CHAR_HOOK(CReceiptDlg::OnCharHook)
wxEND_EVENT_TABLE();
// clang-format on

CReceiptDlg::CReceiptDlg(wxWindow* parent, std::unique_ptr<PrinterConnector> printer)
    : wxDialog(parent, IDD_RECEIPT_DIALOG, ToWx(kDialogCaption), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      m_total(*this),
      m_printer(printer != nullptr ? std::move(printer) : MakeLpt1Connector()),
      m_progress(*this, [this] { m_printing.Cancel(); }),
      m_printing(m_progress, m_progress),
      m_print(*this, m_total, *m_printer, m_printing),
      m_hIcon(LoadAppIcons()) {
  CreateFormWidgets(*this);
  DoDataExchange();
}

// The toolkit announces a dialog's end only from its base destructor, when this class is
// gone; announcing it here lets OnDestroy release while the dialog is still whole.
CReceiptDlg::~CReceiptDlg() {
  SendDestroyEvent();
}

// Binds the pickers in the order rows 6 to 1.
void CReceiptDlg::DoDataExchange() {
  for (int row = kItemRowCount; row >= 1; --row) {
    m_cbGoods[kItemRowCount - row] = wxStaticCast(FindWindow(MakeItemRow(row).goods), wxChoice);
  }
}

wxChoice* CReceiptDlg::Picker(int id) const {
  const auto picker =
      std::ranges::find_if(m_cbGoods, [id](const wxChoice* each) { return each->GetId() == id; });
  return picker != m_cbGoods.end() ? *picker : nullptr;
}

void CReceiptDlg::OnInitDialog(wxInitDialogEvent& /*event*/) {
  m_about.SetUp();
  SetIcons(m_hIcon);
  SetUpForm(*this, std::time(nullptr));
}

// No command runs while a print is under way, a second print included: the form takes no
// input while the printer makes it wait (m_progress), and a press posted by an automation
// tool meanwhile is dropped, as a disabled button drops a click.
void CReceiptDlg::OnTotal(wxCommandEvent& /*event*/) {
  if (!m_printing.Running()) m_total.OnTotal();
}

// The print starts once the press is over. A press through the accessibility layer (a
// screen reader's or an automation tool's "click") arrives while the layer's bridge is
// handling that request, and the bridge takes no other until the handler returns: the
// print's message would go unheard by it.
void CReceiptDlg::OnPrint(wxCommandEvent& /*event*/) {
  CallAfter([this] {
    if (!m_printing.Running()) m_print.OnPrint();
  });
}

// The About box is modal: opened inside the bridge's handling of a press, it could be
// neither read nor closed through the accessibility layer. It opens after the press too.
void CReceiptDlg::OnAbout(wxCommandEvent& /*event*/) {
  CallAfter([this] {
    if (!m_printing.Running()) m_about.OnAbout();
  });
}

// Every child's end reaches the dialog too; only the dialog's own releases.
void CReceiptDlg::OnDestroy(wxWindowDestroyEvent& event) {
  if (event.GetWindow() == this) m_about.Release();
  event.Skip();
}

// Esc ends the form as the close box does (the toolkit would only do that for a dialog
// with a Cancel button), but not while a receipt is being printed. Enter in a box moves on
// to the next control, as Tab does: it must never end the form and throw away the sale
// being typed.
void CReceiptDlg::OnCharHook(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_ESCAPE) {
    if (!m_printing.Running()) Close();
    return;
  }
  wxWindow* focus = FindFocus();
  if (IsEnterKey(event.GetKeyCode()) && dynamic_cast<wxTextCtrl*>(focus) != nullptr) {
    focus->Navigate(wxNavigationKeyEvent::IsForward);
    return;
  }
  event.Skip();
}

std::string CReceiptDlg::GetText(int id) const {
  if (const wxChoice* picker = Picker(id)) return ToGbk(picker->GetStringSelection());
  const wxWindow* control = FindWindow(id);
  if (const auto* edit = dynamic_cast<const wxTextCtrl*>(control)) return ToGbk(edit->GetValue());
  return control != nullptr ? ToGbk(control->GetLabel()) : std::string();
}

void CReceiptDlg::SetText(int id, std::string_view text) {
  wxWindow* control = FindWindow(id);
  if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
    edit->ChangeValue(ToWx(text));
  } else if (control != nullptr) {
    control->SetLabel(ToWx(text));
  }
}

int CReceiptDlg::GetSelection(int id) const {
  const wxChoice* picker = Picker(id);
  return picker != nullptr ? picker->GetSelection() : kNoSelection;
}

void CReceiptDlg::AddItem(int id, std::string_view text) {
  if (wxChoice* picker = Picker(id)) picker->Append(ToWx(text));
}

void CReceiptDlg::Disable(int id) {
  if (wxWindow* control = FindWindow(id)) control->Disable();
}

void CReceiptDlg::SetFocus(int id) {
  if (wxWindow* control = FindWindow(id)) control->SetFocus();
}

void CReceiptDlg::ShowMessage(std::string_view text) {
  wxMessageBox(ToWx(text), wxEmptyString, wxOK | wxICON_NONE | wxCENTRE, this);
}
