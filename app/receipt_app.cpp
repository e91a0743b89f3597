#include "app/receipt_app.h"

#include "gui/receipt_dlg.h"

wxIMPLEMENT_APP_NO_MAIN(CReceiptApp);

namespace {
// Read by main after the toolkit has deleted the application object, so it cannot be a member.
bool g_dialogRan = false;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
}  // namespace

bool CReceiptApp::OnInit() {
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
