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

BoxName Labelled(int id, std::string_view label) {
  return BoxName{id, std::string(WithoutColon(label)), std::string(label)};
}

// "场期次 2", "单价 6": a name shared by several boxes, told apart by their number.
BoxName Numbered(int id, std::string_view name, int number) {
  return BoxName{id, std::string(name).append(" ").append(std::to_string(number)), {}};
}

}  // namespace

std::vector<BoxName> BoxNames() {
  const std::string_view period = WithoutColon(kPeriodFieldLabel);
  std::vector<BoxName> names = {
      Labelled(IDC_CASHIER, kCashierFieldLabel),
      Labelled(IDC_RECEIPTNO, kReceiptNumberFieldLabel),
      Labelled(IDC_DATE, kDateFieldLabel),
      Labelled(IDC_TIME, kTimeFieldLabel),
      BoxName{IDC_TOTAL, std::string(kTotalBoxName), {}},
      Labelled(IDC_RECEIVED, kReceivedFieldLabel),
      Numbered(IDC_PERIOD1, period, 1),
      Numbered(IDC_PERIOD2, period, 2),
      Labelled(IDC_PASSPHRASE, kPassphraseFieldLabel),
  };
  for (int row = 1; row <= kItemRowCount; ++row) {
    const ItemRow boxes = MakeItemRow(row);
    names.push_back(Numbered(boxes.goods, kGoodsColumnLabel, row));
    names.push_back(Numbered(boxes.quantity, kQuantityColumnLabel, row));
    names.push_back(Numbered(boxes.price, kPriceColumnLabel, row));
  }
  return names;
}
