#include "gui/accessible_names.h"

#include <gtk/gtk.h>
#include <wx/string.h>
#include <wx/window.h>

namespace {

AtkObject* AccessibleOf(GtkWidget* widget) {
  return widget != nullptr ? gtk_widget_get_accessible(widget) : nullptr;
}

// Looks through `widget` and its inner parts for the button of a goods picker.
void FindToggleButton(GtkWidget* widget, gpointer found) {
  auto** button = static_cast<GtkWidget**>(found);
  if (*button != nullptr) return;
  if (GTK_IS_TOGGLE_BUTTON(widget)) {
    *button = widget;
  } else if (GTK_IS_CONTAINER(widget)) {
    gtk_container_forall(GTK_CONTAINER(widget), FindToggleButton, found);
  }
}

// A one-line text box is a GtkEntry, which takes the keyboard itself. A goods picker is a
// GtkComboBox, but the keyboard goes to the button inside it, and the accessibility layer
// announces that button, not the picker, as focused: it needs the name as well.
GtkWidget* FocusTaker(GtkWidget* widget) {
  GtkWidget* button = nullptr;
  if (widget != nullptr && GTK_IS_COMBO_BOX(widget)) FindToggleButton(widget, &button);
  return button;
}

bool Name(GtkWidget* widget, const wxString& name) {
  AtkObject* accessible = AccessibleOf(widget);
  if (accessible != nullptr) atk_object_set_name(accessible, name.utf8_str());
  return accessible != nullptr;
}

bool Tie(GtkWidget* widget, GtkWidget* label) {
  AtkObject* named = AccessibleOf(widget);
  AtkObject* tied = AccessibleOf(label);
  return named != nullptr && tied != nullptr &&
         atk_object_add_relationship(named, ATK_RELATION_LABELLED_BY, tied) != FALSE &&
         atk_object_add_relationship(tied, ATK_RELATION_LABEL_FOR, named) != FALSE;
}

}  // namespace

bool SetAccessibleName(wxWindow& box, const wxString& name, wxWindow* label) {
  GtkWidget* widget = box.GetHandle();
  GtkWidget* focus_taker = FocusTaker(widget);
  return Name(widget, name) && (focus_taker == nullptr || Name(focus_taker, name)) &&
         (label == nullptr || Tie(widget, label->GetHandle()));
}
