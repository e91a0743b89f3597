#include "form/dialog_units.h"

#include <wx/math.h>
#include <wx/window.h>

#include "form/dialog_template.h"

namespace {

// A dialog unit is a quarter of the average character's width and an eighth of its
// height, so 4 by 8 units are exactly one character.
constexpr int kUnitsPerCharacterWidth = 4;
constexpr int kUnitsPerCharacterHeight = 8;

}  // namespace

DialogUnits::DialogUnits(const wxWindow& dialog)
    : base_(
          dialog.ConvertDialogToPixels(wxSize(kUnitsPerCharacterWidth, kUnitsPerCharacterHeight))) {
}

wxPoint DialogUnits::Position(const DialogRect& rect) const {
  return {X(rect.x), Y(rect.y)};
}

wxSize DialogUnits::Size(const DialogRect& rect) const {
  return Size(rect.width, rect.height);
}

wxSize DialogUnits::Size(int width, int height) const {
  return {X(width), Y(height)};
}

// The toolkit's own rounding.
int DialogUnits::X(int units) const {
  return wxMulDivInt32(units, base_.x, kUnitsPerCharacterWidth);
}

int DialogUnits::Y(int units) const {
  return wxMulDivInt32(units, base_.y, kUnitsPerCharacterHeight);
}
