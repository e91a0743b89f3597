// The sale form's layout: every control in creation (and tab) order, with its position
// and size in dialog units, which scale with the dialog's font.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "text/till_texts.h"  // kDialogFontFace and the controls' texts

enum class ControlKind : std::uint8_t {
  kEdit,          // bordered, scrolls horizontally
  kPasswordEdit,  // as kEdit, characters masked
  kReadOnlyEdit,  // no border, sunken edge, takes focus but no input
  kGoodsPicker,   // drop-down list, pick only
  kButton,
  kFlatButton,
  kLabel,     // left-aligned static text
  kGroupBox,  // frame with a caption
};

struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view text;  // GBK
  DialogRect rect;
  int for_box = 0;  // a label beside one box: that box's ID, which the label names and is
                    // tied to for screen readers (form/box_names.h); 0 for any other control
};

inline constexpr std::string_view kDialogCaption = "Norvessa";
inline constexpr int kDialogWidth = 284;  // dialog units, client area
inline constexpr int kDialogHeight = 289;
inline constexpr int kDialogFontPoints = 9;

// All controls of the form, in creation order.
std::span<const ControlTemplate> DialogControls();
