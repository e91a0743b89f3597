#pragma once

#include <wx/app.h>

// The application object: runs the sale form as a modal dialog and ends the program when
// the dialog closes. There is no main window and no event loop besides the dialog's own.
class CReceiptApp : public wxApp {
 public:
  // Runs the dialog and returns false, so the toolkit ends the program instead of
  // entering an event loop. A system that cannot convert to GBK gets a message instead
  // of the dialog.
  bool OnInit() override;

  // Whether a dialog ran to its end in this process. It outlives the application
  // object, which the toolkit deletes before returning to main.
  static bool DialogRan();
};

wxDECLARE_APP(CReceiptApp);
