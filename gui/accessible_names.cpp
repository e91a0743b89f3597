#include "gui/accessible_names.h"

#include <wx/log.h>
#include <wx/window.h>

#include <algorithm>

#include "form/box_names.h"
#include "form/dialog_template.h"
#include "gui/wx_text.h"

namespace {

// The window of the control `id`; null when the form made none.
wxWindow* BoxWindow(std::span<const FormWidget> widgets, int id) {
  const auto box =
      std::ranges::find(widgets, id, [](const FormWidget& each) { return each.control->id; });
  return box != widgets.end() ? box->window : nullptr;
}

// The window made for the template entry `label`; null when there is none (or no entry).
wxWindow* LabelWindow(std::span<const FormWidget> widgets, const ControlTemplate* label) {
  const auto made = std::ranges::find(widgets, label, &FormWidget::control);
  return made != widgets.end() ? made->window : nullptr;
}

}  // namespace

void NameBoxesForAssistiveTechnology(std::span<const FormWidget> widgets) {
  for (const BoxName& box : BoxNames()) {
    wxWindow* control = BoxWindow(widgets, box.id);
    wxWindow* label = LabelWindow(widgets, box.label);
    // A box without its name still works; a screen reader then only says its kind.
    if (control == nullptr || (box.label != nullptr && label == nullptr) ||
        !SetAccessibleName(*control, ToWx(box.name), label)) {
      wxLogDebug("box %d could not be named for assistive technology", box.id);
    }
  }
}
