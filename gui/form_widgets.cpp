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

// Where a control goes in pixels. The template's height of a goods picker includes the
// drop-down list; the closed control takes its natural height (-1).
wxRect ControlRect(const ControlTemplate& control, const DialogUnits& units) {
  const wxSize size = units.Size(control.rect);
  return {units.Position(control.rect),
          wxSize(size.x, control.kind == ControlKind::kGoodsPicker ? -1 : size.y)};
}

// Each control is created as a child of the dialog, which owns and destroys it.
void CreateControl(wxDialog& dialog, const ControlTemplate& control, const DialogUnits& units) {
  const wxRect rect = ControlRect(control, units);
  const wxPoint position = rect.GetPosition();
  const wxSize size = rect.GetSize();
  const wxString text = ToWx(control.text);
  switch (control.kind) {
    case ControlKind::kGoodsPicker:
      new wxChoice(&dialog, control.id, position, size);
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

// Puts every control back at its place in dialog units of the dialog's font as it is now,
// and the client area with them. The controls are the dialog's children in template order.
void PlaceFormWidgets(wxDialog& dialog) {
  const DialogUnits units(dialog);
  auto child = dialog.GetChildren().begin();
  for (const ControlTemplate& control : DialogControls()) {
    (*child++)->SetSize(ControlRect(control, units));
  }
  dialog.SetClientSize(units.Size(kDialogWidth, kDialogHeight));
}

}  // namespace

void CreateFormWidgets(wxDialog& dialog) {
  // Dialog units follow the dialog's font, so it must be set before anything is placed.
  dialog.SetFont(MakeDialogFont());
  const DialogUnits units(dialog);
  for (const ControlTemplate& control : DialogControls()) CreateControl(dialog, control, units);
  NameBoxesForAssistiveTechnology(dialog);
  dialog.SetClientSize(units.Size(kDialogWidth, kDialogHeight));
  // Moved to a monitor of another scale, the toolkit gives every control its font at the
  // new scale but leaves them where they were: the form is laid out again in dialog
  // units of the new font. Handled here, the toolkit leaves the window's size to us.
  dialog.Bind(wxEVT_DPI_CHANGED, [&dialog](wxDPIChangedEvent&) { PlaceFormWidgets(dialog); });
}
