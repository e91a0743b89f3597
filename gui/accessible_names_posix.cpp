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
  if (widget != nullptr && GTK_IS_COMBO_BOX(widget))
    FindToggleButton(widget, static_cast<void*>(&button));
  return button;
}

bool Name(GtkWidget* widget, const wxString& name) {
  AtkObject* accessible = AccessibleOf(widget);
  if (accessible != nullptr) atk_object_set_name(accessible, name.utf8_str());
  return accessible != nullptr;
}

// The toolkit makes a label the mnemonic label of the next child of the form that takes the
// keyboard. After the form's last label ("口令：") that is the next window opened over the
// form (the About box, the print's progress window); GTK reports a widget as labelled by its
// mnemonic labels, and a screen reader names a window by its label before its title, so each
// was announced as "口令：". A label tied to its box stays the box's mnemonic label; cleared,
// as when the box goes, it stays clear.
void KeepMnemonicOnBox(GObject* label, GParamSpec* /*property*/, gpointer box) {
  const GtkWidget* mnemonic = gtk_label_get_mnemonic_widget(GTK_LABEL(label));
  if (mnemonic != nullptr && mnemonic != box)
    gtk_label_set_mnemonic_widget(GTK_LABEL(label), GTK_WIDGET(box));
}

bool KeepMnemonicLabel(GtkWidget* widget, GtkWidget* label) {
  if (!GTK_IS_LABEL(label)) return false;
  gtk_label_set_mnemonic_widget(GTK_LABEL(label), widget);
  // Disconnected once the box is gone.
  return g_signal_connect_object(label, "notify::mnemonic-widget", G_CALLBACK(KeepMnemonicOnBox),
                                 widget, static_cast<GConnectFlags>(0)) != 0;
}

bool Tie(GtkWidget* widget, GtkWidget* label) {
  AtkObject* named = AccessibleOf(widget);
  AtkObject* tied = AccessibleOf(label);
  return named != nullptr && tied != nullptr &&
         atk_object_add_relationship(named, ATK_RELATION_LABELLED_BY, tied) != FALSE &&
         atk_object_add_relationship(tied, ATK_RELATION_LABEL_FOR, named) != FALSE &&
         KeepMnemonicLabel(widget, label);
}

// GTK tells of every focus move twice: the widget's own notice as it takes the focus, and
// its focus tracker's, two idle turns later, once the tracker has recorded the widget as
// focused (only then does the widget report the focused state).
//
// A text box selects its text as it takes the focus, and those notices come between the
// two: a screen reader drops the first focus notice as a repeat of the second and reads
// the selection instead of the box ("2026-12-09 selected"). For a text box the first
// notice is the one to keep: the tracker announces the last widget that took the focus
// unless it is a redundant object, so after each move into a text box it is told that this
// stand-in took it, and announces nothing.
//
// Not so when the box takes the focus as its window is activated: a screen reader ignores
// the box's notice as coming from a window not yet active, and the tracker's, after the
// window's, is the one it hears. On a desktop that is every move after a message: the box
// was given the focus while the message still had the keyboard, and GTK tells of it only
// when the window manager gives the keyboard back to the form.
bool IsWindowActivation() {
  GdkEvent* current = gtk_get_current_event();
  const bool activation = current != nullptr && current->type == GDK_FOCUS_CHANGE;
  if (current != nullptr) gdk_event_free(current);
  return activation;
}

// A text box whose tracker notice goes to the stand-in is never recorded by the tracker, so
// it reports the focused state from its widget: a screen reader that asks whether the box
// just announced is focused (as Orca does when the program started after it) hears yes.
constexpr const char* kFocusFromWidget = "receipt-focused-state-from-widget";

using StatesReader = AtkStateSet* (*)(AtkObject*);

// The entry class's own reading, once wrapped.
StatesReader& EntryClassStates() {
  static StatesReader own = nullptr;
  return own;
}

AtkStateSet* EntryStatesWithFocus(AtkObject* accessible) {
  AtkStateSet* states = EntryClassStates()(accessible);
  GtkWidget* entry = gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible));
  if (states != nullptr && entry != nullptr &&
      g_object_get_data(G_OBJECT(entry), kFocusFromWidget) != nullptr &&
      gtk_widget_has_focus(entry))
    atk_state_set_add_state(states, ATK_STATE_FOCUSED);
  return states;
}

// Every text box is a GtkEntry and shares its accessible class: the class's state reading
// is wrapped once, and only for that class.
bool ReportFocusFromWidget(GtkWidget* entry) {
  AtkObjectClass* states_of = ATK_OBJECT_GET_CLASS(gtk_widget_get_accessible(entry));
  if (states_of->ref_state_set != EntryStatesWithFocus) {
    if (EntryClassStates() != nullptr) return false;
    EntryClassStates() = states_of->ref_state_set;
    states_of->ref_state_set = EntryStatesWithFocus;
  }
  g_object_set_data(G_OBJECT(entry), kFocusFromWidget, GINT_TO_POINTER(1));
  return true;
}

void PointTrackerAtStandIn(GtkWidget* /*entry*/, GdkEvent* event, gpointer stand_in) {
  if (event->type == GDK_FOCUS_CHANGE && event->focus_change.in != 0 && !IsWindowActivation())
    g_signal_emit_by_name(stand_in, "event-after", event);
}

// The stand-in lives as long as the form's window.
GtkWidget* TrackerStandIn(GtkWidget* window) {
  constexpr const char* kKey = "receipt-focus-tracker-stand-in";
  auto* stand_in = static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(window), kKey));
  if (stand_in != nullptr) return stand_in;
  stand_in = gtk_label_new(nullptr);
  g_object_ref_sink(stand_in);
  g_object_set_data_full(G_OBJECT(window), kKey, stand_in, g_object_unref);
  AtkObject* accessible = gtk_widget_get_accessible(stand_in);
  atk_object_set_role(accessible, ATK_ROLE_REDUNDANT_OBJECT);
  return atk_object_get_role(accessible) == ATK_ROLE_REDUNDANT_OBJECT ? stand_in : nullptr;
}

// For a goods picker's button the tracker's notice is the one to keep: the button's own
// comes before it reports the focused state. The accessibility layer's own handler is the
// one on the button's focus-in without data.
bool SilenceOwnFocusNotice(GtkWidget* button) {
  const guint focus_in = g_signal_lookup("focus-in-event", GTK_TYPE_WIDGET);
  return g_signal_handlers_block_matched(
             button, static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
             focus_in, 0, nullptr, nullptr, nullptr) == 1;
}

bool AnnounceFocusOnce(GtkWidget* widget) {
  if (!GTK_IS_ENTRY(widget)) return SilenceOwnFocusNotice(widget);
  GtkWidget* window = gtk_widget_get_toplevel(widget);
  GtkWidget* stand_in = GTK_IS_WINDOW(window) ? TrackerStandIn(window) : nullptr;
  if (stand_in == nullptr || !ReportFocusFromWidget(widget)) return false;
  g_signal_connect(widget, "event-after", G_CALLBACK(PointTrackerAtStandIn), stand_in);
  return true;
}

}  // namespace

bool SetAccessibleName(wxWindow& box, const wxString& name, wxWindow* label) {
  GtkWidget* widget = box.GetHandle();
  GtkWidget* focus_taker = FocusTaker(widget);
  const bool named = Name(widget, name) && (focus_taker == nullptr || Name(focus_taker, name));
  const bool tied = label == nullptr || Tie(widget, label->GetHandle());
  // Each on its own: a box whose notices could not be put right still has its name.
  const bool announced_once = AnnounceFocusOnce(focus_taker != nullptr ? focus_taker : widget);
  return named && tied && announced_once;
}
