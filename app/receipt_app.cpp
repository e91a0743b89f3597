#include "app/receipt_app.h"

#include "form/receipt_dlg.h"

wxIMPLEMENT_APP_NO_MAIN(CReceiptApp);

namespace {
bool g_dialogRan = false;
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
