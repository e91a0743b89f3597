#include "gui/form_widgets.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "form/dialog_template.h"
#include "gui/accessible_names.h"
#include "gui/dialog_font.h"
#include "gui/dialog_units.h"
#include "gui/wx_text.h"

namespace {

long EditStyle(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPasswordEdit:
      return wxTE_PASSWORD;
    case ControlKind::kReadOnlyEdit:
      return wxTE_READONLY | wxBORDER_STATIC;
    default:
      return 0;
  }
}

// A label measures its text while it is being created, before it takes the dialog's
// font: given its text there, it would load the toolkit's default face as well, for the
// Chinese characters a second CJK font, megabytes and milliseconds at every start. So it
// is created empty and given its text once it has the dialog's font; the text then
// sizes it, and it is put back to its place's size.
void CreateLabel(wxDialog& dialog, int id, const wxString& text, const wxPoint& position,
                 const wxSize& size) {
  auto* label = new wxStaticText(&dialog, id, wxEmptyString, position, size, wxALIGN_LEFT);
  label->SetLabel(text);
  label->SetSize(size);
}

// Each control is created as a child of the dialog, which owns and destroys it.
void CreateControl(wxDialog& dialog, const ControlTemplate& control, const DialogUnits& units) {
  const wxPoint position = units.Position(control.rect);
  const wxSize size = units.Size(control.rect);
  const wxString text = ToWx(control.text);
  switch (control.kind) {
    case ControlKind::kGoodsPicker:
      // The template's height includes the drop-down list; the closed control takes
      // its natural height.
      new wxChoice(&dialog, control.id, position, wxSize(size.x, -1));
      return;
    case ControlKind::kButton:
      new wxButton(&dialog, control.id, text, position, size);
      return;
    case ControlKind::kFlatButton:
      new wxButton(&dialog, control.id, text, position, size, wxBORDER_NONE);
      return;
    case ControlKind::kLabel:
      CreateLabel(dialog, control.id, text, position, size);
      return;
    case ControlKind::kGroupBox:
      new wxStaticBox(&dialog, control.id, text, position, size);
      return;
    default:
      new wxTextCtrl(&dialog, control.id, text, position, size, EditStyle(control.kind));
      return;
  }
}

}  // namespace

void CreateFormWidgets(wxDialog& dialog) {
  // Dialog units follow the dialog's font, so it must be set before anything is placed.
  dialog.SetFont(MakeDialogFont());
  const DialogUnits units(dialog);
  for (const ControlTemplate& control : DialogControls()) CreateControl(dialog, control, units);
  NameBoxesForAssistiveTechnology(dialog);
  dialog.SetClientSize(units.Size(kDialogWidth, kDialogHeight));
}
