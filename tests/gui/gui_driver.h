// Drives real widgets the way a user does: through the display server's input, with
// the toolkit's events allowed to flow between steps.
#pragma once

#include <wx/uiaction.h>
#include <wx/window.h>

#include <functional>

class GuiDriver {
 public:
  // Lets pending events run until `done` holds; false if it never does within a
  // generous bound (a failed test, never a measurement).
  static bool WaitUntil(const std::function<bool()>& done);
  // Lets pending events run for a short while.
  static void Settle();

  // Shows a top-level window and waits until it is on screen with the input focus.
  bool ShowAndActivate(wxWindow* window);
  // Clicks the middle of a control with the left button.
  void Click(wxWindow* control);
  // Focuses a control by clicking it, then types `text` into it.
  void TypeInto(wxWindow* control, const wxString& text);
  // Presses and releases one key in whatever has the focus.
  void Press(int key);
  // Focuses a list control and selects its entry `text` with the keyboard.
  bool Choose(wxWindow* control, const wxString& text);

 private:
  wxUIActionSimulator simulator_;
};
