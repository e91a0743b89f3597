#include "form/box_names.h"

#include <string_view>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "text/till_texts.h"

namespace {

// A box is named after the form's label beside it, without the label's closing colon,
// which is no part of what a person calls the box.
std::string_view WithoutColon(std::string_view label) {
  if (label.ends_with(kLabelColon)) label.remove_suffix(kLabelColon.size());
  return label;
}

// The box that `label` is for, named after it.
BoxName Labelled(const ControlTemplate& label) {
  return BoxName{label.for_box, std::string(WithoutColon(label.text)), &label};
}

// "场期次 2", "单价 6": a name shared by several boxes, told apart by their number.
BoxName Numbered(int id, std::string_view name, int number) {
  return BoxName{id, std::string(name).append(" ").append(std::to_string(number)), nullptr};
}

}  // namespace

std::vector<BoxName> BoxNames() {
  std::vector<BoxName> names;
  for (const ControlTemplate& control : DialogControls())
    if (control.for_box != 0) names.push_back(Labelled(control));
  const std::string_view period = WithoutColon(kPeriodFieldLabel);
  names.push_back(BoxName{IDC_TOTAL, std::string(kTotalBoxName), nullptr});
  names.push_back(Numbered(IDC_PERIOD1, period, 1));
  names.push_back(Numbered(IDC_PERIOD2, period, 2));
  for (int row = 1; row <= kItemRowCount; ++row) {
    const ItemRow boxes = MakeItemRow(row);
    names.push_back(Numbered(boxes.goods, kGoodsColumnLabel, row));
    names.push_back(Numbered(boxes.quantity, kQuantityColumnLabel, row));
    names.push_back(Numbered(boxes.price, kPriceColumnLabel, row));
  }
  return names;
}
