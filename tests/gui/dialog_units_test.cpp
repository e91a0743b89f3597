#include "gui/dialog_units.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>

#include "form/dialog_template.h"
#include "gui/dialog_font.h"

namespace {

// Every conversion the form can ask for comes out as the toolkit's own, rounding
// included: with the toolkit's font and with the form's face at sizes whose average
// character is no whole multiple of the units in it.
TEST(DialogUnitsTest, ConvertsAsTheToolkitDoes) {
  for (const int points : {0, 7, 8, 9, 11, 13}) {
    wxDialog dialog(nullptr, wxID_ANY, "units");
    if (points != 0) dialog.SetFont(MakeDialogFont().Scaled(static_cast<float>(points) / 9.0F));
    const DialogUnits units(dialog);
    for (int x = 0; x <= kDialogWidth + 16; ++x) {
      for (const int y : {0, 1, 3, 7, 8, 9, 13, 14, 71, 157, kDialogHeight}) {
        const DialogRect rect{x, y, y, x};
        ASSERT_EQ(units.Position(rect), dialog.ConvertDialogToPixels(wxPoint(x, y)))
            << x << "," << y << " at " << points << " pt";
        ASSERT_EQ(units.Size(rect), dialog.ConvertDialogToPixels(wxSize(y, x)))
            << y << "x" << x << " at " << points << " pt";
      }
    }
  }
}

}  // namespace
