#include "gui/accessible_names.h"

#include <wx/log.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <algorithm>

#include "form/box_names.h"
#include "gui/wx_text.h"

namespace {

// Labels carry no ID of their own, so the one beside a box is found by its text.
wxWindow* FindLabel(const wxWindow& dialog, const wxString& text) {
  const wxWindowList& children = dialog.GetChildren();
  const auto label = std::find_if(children.begin(), children.end(), [&text](const wxWindow* child) {
    return dynamic_cast<const wxStaticText*>(child) != nullptr && child->GetLabel() == text;
  });
  return label != children.end() ? *label : nullptr;
}

}  // namespace

void NameBoxesForAssistiveTechnology(const wxWindow& dialog) {
  for (const BoxName& box : BoxNames()) {
    wxWindow* control = dialog.FindWindow(box.id);
    wxWindow* label = box.label.empty() ? nullptr : FindLabel(dialog, ToWx(box.label));
    // A box without its name still works; a screen reader then only says its kind.
    if (control == nullptr || (!box.label.empty() && label == nullptr) ||
        !SetAccessibleName(*control, ToWx(box.name), label)) {
      wxLogDebug("box %d could not be named for assistive technology", box.id);
    }
  }
}
