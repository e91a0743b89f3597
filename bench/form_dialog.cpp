// A second floor, between the bare dialog and the till: the till's own form (its font,
// its 47 controls in their places, its size) and nothing else of the till: no icon, no
// product component, no goods lists or date, no commands. Started and ended like the
// other two; Esc closes it. Set against the till it shows what the till's own work adds
// to what the toolkit needs to show that form; set against the bare dialog, what the
// form itself costs.
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>

#include "form/form_widgets.h"

namespace {

class FormApp : public wxApp {
 public:
  bool OnInit() override {
    wxDialog dialog(nullptr, wxID_ANY, "Form", wxDefaultPosition, wxDefaultSize,
                    wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
    CreateFormWidgets(dialog);
    // The form has no Cancel button for Esc to press.
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
      if (event.GetKeyCode() == WXK_ESCAPE) {
        dialog.Close();
        return;
      }
      event.Skip();
    });
    dialog.ShowModal();
    return false;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(FormApp);

// As for the bare dialog: start-up returning false is the toolkit's "failure", not ours.
int main(int argc, char** argv) {
  wxEntry(argc, argv);
  return 0;
}
