// Dialog units to pixels for one dialog, measured once. The toolkit converts a dialog
// unit by measuring the average character of the dialog's font, and for a dialog with a
// font of its own it measures again on every conversion: a text layout each time, twice
// per control. The font never changes once the controls are placed, so one measurement
// serves them all.
#pragma once

#include <wx/gdicmn.h>

class wxWindow;
struct DialogRect;

class DialogUnits {
 public:
  // Measures `dialog`'s font as it is now.
  explicit DialogUnits(const wxWindow& dialog);

  // The same pixels the toolkit's own conversion (wxDLG_UNIT) gives.
  wxPoint Position(const DialogRect& rect) const;
  wxSize Size(const DialogRect& rect) const;
  wxSize Size(int width, int height) const;

 private:
  static int Scale(int units, int pixels, int divisor);
  int X(int units) const;
  int Y(int units) const;

  // Pixels per 4 horizontal and per 8 vertical dialog units: the average character.
  wxSize base_;
};
