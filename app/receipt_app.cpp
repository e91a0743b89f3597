#include "app/receipt_app.h"

#include <wx/msgdlg.h>

#include <optional>
#include <string>

#include "form/dialog_template.h"
#include "gui/receipt_dlg.h"
#include "receipt/print_messages.h"
#include "text/gbk.h"

wxIMPLEMENT_APP_NO_MAIN(CReceiptApp);

namespace {
// Read by main after the toolkit has deleted the application object, so it cannot be a member.
bool g_dialogRan = false;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
}  // namespace

bool CReceiptApp::OnInit() {
  // Without GBK every text of the form would show, and every receipt print, as "?": the
  // till says so and ends before anyone types a sale.
  if (const std::optional<std::string> reason = GbkUnavailableReason()) {
    wxMessageBox(wxString::FromUTF8(NoGbkMessage(*reason)),
                 wxString::FromUTF8(kDialogCaption.data(), kDialogCaption.size()),
                 wxOK | wxICON_ERROR | wxCENTRE);
    return false;
  }
  {
    CReceiptDlg dialog;
    SetTopWindow(&dialog);
    dialog.ShowModal();
    SetTopWindow(nullptr);
  }
  g_dialogRan = true;
  return false;
}

bool CReceiptApp::DialogRan() {
  return g_dialogRan;
}
