#include "gui/dialog_units.h"

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

// units * pixels / divisor, rounded half away from zero: what the toolkit's own conversion
// gives on every platform (the system's MulDiv on Windows, a rounded division elsewhere,
// which agree because dividing by 4 or 8 is exact).
int DialogUnits::Scale(int units, int pixels, int divisor) {
  const long long product = static_cast<long long>(units) * pixels;
  const long long half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

int DialogUnits::X(int units) const {
  return Scale(units, base_.x, kUnitsPerCharacterWidth);
}

int DialogUnits::Y(int units) const {
  return Scale(units, base_.y, kUnitsPerCharacterHeight);
}
