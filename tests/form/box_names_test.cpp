#include "form/box_names.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "form/dialog_template.h"

namespace {

bool IsBox(ControlKind kind) {
  return kind == ControlKind::kEdit || kind == ControlKind::kPasswordEdit ||
         kind == ControlKind::kReadOnlyEdit || kind == ControlKind::kGoodsPicker;
}

// A box added to the form later must get a name too, and a tie must find its label.
TEST(BoxNamesTest, NamesEveryBoxOnceAndTiesOnlyToLabelsOfTheForm) {
  const std::vector<BoxName> names = BoxNames();
  const auto controls = DialogControls();
  for (const ControlTemplate& control : controls) {
    if (!IsBox(control.kind)) continue;
    EXPECT_EQ(std::ranges::count(names, control.id, &BoxName::id), 1) << control.id;
  }
  EXPECT_EQ(std::ssize(names), std::ranges::count_if(controls, IsBox, &ControlTemplate::kind));
  for (const BoxName& box : names) {
    if (box.label == nullptr) continue;
    EXPECT_EQ(std::ranges::count_if(controls,
                                    [&box](const ControlTemplate& control) {
                                      return control.kind == ControlKind::kLabel &&
                                             &control == box.label;
                                    }),
              1)
        << box.id;
  }
}

}  // namespace
