// The sale form's widgets, and nothing else of the form: its font, every control of the
// template in tab order at its place, named for screen readers, and the dialog's size.
#pragma once

class wxDialog;

// Gives `dialog` the form's font, creates and names the controls on it and sizes its
// client area; lays them out again whenever the display's scale under the dialog changes.
void CreateFormWidgets(wxDialog& dialog);
