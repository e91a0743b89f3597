// The sale form's widgets, and nothing else of the form: its font, every control of the
// template in tab order at its place, and the dialog's size.
#pragma once

class wxDialog;

// Gives `dialog` the form's font, creates the controls on it and sizes its client area.
void CreateFormWidgets(wxDialog& dialog);
