#include "form/accessible_names.h"

#include <gtk/gtk.h>
#include <wx/string.h>
#include <wx/window.h>

namespace {

// The widget that carries the control's role and focus for the accessibility layer: a
// one-line text box is a GtkEntry itself, and a goods picker a GtkComboBox, which GTK
// reports focused while its inner button has the keyboard.
AtkObject* AccessibleOf(wxWindow& control) {
  GtkWidget* widget = control.GetHandle();
  return widget != nullptr ? gtk_widget_get_accessible(widget) : nullptr;
}

}  // namespace

bool SetAccessibleName(wxWindow& box, const wxString& name, wxWindow* label) {
  AtkObject* named = AccessibleOf(box);
  if (named == nullptr) return false;
  atk_object_set_name(named, name.utf8_str());
  if (label == nullptr) return true;
  AtkObject* tied = AccessibleOf(*label);
  return tied != nullptr &&
         atk_object_add_relationship(named, ATK_RELATION_LABELLED_BY, tied) != FALSE &&
         atk_object_add_relationship(tied, ATK_RELATION_LABEL_FOR, named) != FALSE;
}
