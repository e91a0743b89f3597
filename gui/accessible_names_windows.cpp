#include "gui/accessible_names.h"

#include <wx/access.h>
#include <wx/choice.h>
#include <wx/string.h>
#include <wx/window.h>

namespace {

// Answers a screen reader's questions for a box's name and role. Everything else (its
// value, its state such as a passphrase's masking, its place) comes from the system's
// own answer for the control, which the toolkit asks when this one does not answer.
class NamedBox : public wxAccessible {
 public:
  NamedBox(wxWindow& box, const wxString& name)
      : wxAccessible(&box),
        name_(name),
        role_(dynamic_cast<wxChoice*>(&box) != nullptr ? wxROLE_SYSTEM_COMBOBOX
                                                       : wxROLE_SYSTEM_TEXT) {}

  wxAccStatus GetName(int child, wxString* name) override {
    if (child != wxACC_SELF) return wxACC_NOT_IMPLEMENTED;
    *name = name_;
    return wxACC_OK;
  }

  wxAccStatus GetRole(int child, wxAccRole* role) override {
    if (child != wxACC_SELF) return wxACC_NOT_IMPLEMENTED;
    *role = role_;
    return wxACC_OK;
  }

 private:
  wxString name_;
  wxAccRole role_;
};

}  // namespace

// Windows' accessibility layer has no tie between a box and its label: the name is all
// a screen reader gets.
bool SetAccessibleName(wxWindow& box, const wxString& name, wxWindow* /*label*/) {
  box.SetAccessible(new NamedBox(box, name));  // the box owns it from here
  return true;
}
