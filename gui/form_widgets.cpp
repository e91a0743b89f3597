#include "gui/form_widgets.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

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
wxWindow* CreateLabel(wxDialog& dialog, int id, const wxString& text, const wxPoint& position,
                      const wxSize& size) {
  auto* label = new wxStaticText(&dialog, id, wxEmptyString, position, size, wxALIGN_LEFT);
  label->SetLabel(text);
  label->SetSize(size);
  return label;
}

// Where a control goes in pixels. The template's height of a goods picker includes the
// drop-down list; the closed control takes its natural height (-1).
wxRect ControlRect(const ControlTemplate& control, const DialogUnits& units) {
  const wxSize size = units.Size(control.rect);
  return {units.Position(control.rect),
          wxSize(size.x, control.kind == ControlKind::kGoodsPicker ? -1 : size.y)};
}

// Each control is created as a child of the dialog, which owns and destroys it.
wxWindow* CreateControl(wxDialog& dialog, const ControlTemplate& control,
                        const DialogUnits& units) {
  const wxRect rect = ControlRect(control, units);
  const wxPoint position = rect.GetPosition();
  const wxSize size = rect.GetSize();
  const wxString text = ToWx(control.text);
  switch (control.kind) {
    case ControlKind::kGoodsPicker:
      return new wxChoice(&dialog, control.id, position, size);
    case ControlKind::kButton:
      return new wxButton(&dialog, control.id, text, position, size);
    case ControlKind::kFlatButton:
      return new wxButton(&dialog, control.id, text, position, size, wxBORDER_NONE);
    case ControlKind::kLabel:
      return CreateLabel(dialog, control.id, text, position, size);
    case ControlKind::kGroupBox:
      return new wxStaticBox(&dialog, control.id, text, position, size);
    default:
      return new wxTextCtrl(&dialog, control.id, text, position, size, EditStyle(control.kind));
  }
}

// Puts every control back at the place of its entry in dialog units of the dialog's font
// as it is now, and the client area with them.
void PlaceFormWidgets(wxDialog& dialog, std::span<const FormWidget> widgets) {
  const DialogUnits units(dialog);
  for (const FormWidget& widget : widgets)
    widget.window->SetSize(ControlRect(*widget.control, units));
  dialog.SetClientSize(units.Size(kDialogWidth, kDialogHeight));
}

}  // namespace

void CreateFormWidgets(wxDialog& dialog) {
  // Dialog units follow the dialog's font, so it must be set before anything is placed.
  dialog.SetFont(MakeDialogFont());
  const DialogUnits units(dialog);
  std::vector<FormWidget> widgets;
  std::ranges::transform(DialogControls(), std::back_inserter(widgets),
                         [&dialog, &units](const ControlTemplate& control) {
                           return FormWidget{&control, CreateControl(dialog, control, units)};
                         });
  NameBoxesForAssistiveTechnology(widgets);
  dialog.SetClientSize(units.Size(kDialogWidth, kDialogHeight));
  // Moved to a monitor of another scale, the toolkit gives every control its font at the
  // new scale but leaves them where they were: the form is laid out again in dialog
  // units of the new font. Handled here, the toolkit leaves the window's size to us. The
  // handler holds the widgets, and the dialog holds the handler until it is destroyed.
  dialog.Bind(wxEVT_DPI_CHANGED, [&dialog, widgets = std::move(widgets)](wxDPIChangedEvent&) {
    PlaceFormWidgets(dialog, widgets);
  });
}
