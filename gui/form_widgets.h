// The sale form's widgets, and nothing else of the form: its font, every control of the
// template in tab order at its place, named for screen readers, and the dialog's size.
#pragma once

struct ControlTemplate;
class wxDialog;
class wxWindow;

// One control of the form as it was made: its entry in the template and its window, which
// the dialog owns.
struct FormWidget {
  const ControlTemplate* control;
  wxWindow* window;
};

// Gives `dialog` the form's font, creates and names the controls on it and sizes its
// client area; lays them out again whenever the display's scale under the dialog changes.
// The controls made are kept with their entries for the dialog's life, for that layout.
void CreateFormWidgets(wxDialog& dialog);
