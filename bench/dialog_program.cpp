#include "bench/dialog_program.h"

#include <wx/app.h>
#include <wx/init.h>

class DialogApp : public wxApp {
 public:
  bool OnInit() override {
    RunDialog();
    return false;
  }
};

wxIMPLEMENT_APP_NO_MAIN(DialogApp);

// Start-up returning false ends the toolkit at once, which it reports as a failure; the
// dialog has run by then, so the program succeeded.
int main(int argc, char** argv) {
  wxEntry(argc, argv);
  return 0;
}
