// The till's form as the program shows it, but printing to the device named on the command
// line instead of LPT1: the screen-reader test prints to a named pipe it controls, so that a
// print can wait, be cancelled and fail as on a cashier's printer.
// Usage: form_on_device DEVICE
#include <wx/app.h>
#include <wx/init.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/receipt_dlg.h"
#include "port/printer_posix.h"

class FormOnDeviceApp : public wxApp {
 public:
  bool OnInit() override {
    const std::string device = argc > 1 ? argv[1].utf8_string() : std::string();
    CReceiptDlg dialog(nullptr, std::make_unique<DevicePrinter>(std::vector<std::string>{device}));
    SetTopWindow(&dialog);
    dialog.ShowModal();
    SetTopWindow(nullptr);
    return false;
  }
};

wxIMPLEMENT_APP_NO_MAIN(FormOnDeviceApp);

// Start-up returns false once the dialog has run, which the toolkit reports as a failure.
int main(int argc, char** argv) {
  wxEntry(argc, argv);
  return 0;
}
