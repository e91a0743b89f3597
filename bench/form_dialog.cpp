// A second floor, between the bare dialog and the till: the till's own form (its font,
// its 47 controls in their places, its size) and nothing else of the till: no icon, no
// product component, no goods lists or date, no commands. Esc closes it. Set against the
// till it shows what the till's own work adds to what the toolkit needs to show that
// form; set against the bare dialog, what the form itself costs.
#include <wx/dialog.h>

#include "bench/dialog_program.h"
#include "gui/form_widgets.h"

void RunDialog() {
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
}
