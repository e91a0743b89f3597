#include "form/box_names.h"

#include <string_view>

#include "form/control_ids.h"
#include "form/item_row.h"

namespace {

// Labels end in a full-width colon, which is no part of what a person calls the box.
constexpr std::string_view kLabelColon = "\xA3\xBA";  // ：

BoxName Labelled(int id, std::string_view name) {
  return BoxName{id, std::string(name), std::string(name).append(kLabelColon)};
}

// "场期次 2", "单价 6": a name shared by several boxes, told apart by their number.
BoxName Numbered(int id, std::string_view name, int number) {
  return BoxName{id, std::string(name).append(" ").append(std::to_string(number)), {}};
}

}  // namespace

std::vector<BoxName> BoxNames() {
  constexpr std::string_view kPeriod = "\xB3\xA1\xC6\xDA\xB4\xCE";  // 场期次
  std::vector<BoxName> names = {
      Labelled(IDC_CASHIER, "\xCA\xD5\xD2\xF8\xD4\xB1"),  // 收银员
      Labelled(IDC_RECEIPTNO, "\xB1\xE0\xBA\xC5"),        // 编号
      Labelled(IDC_DATE, "\xC8\xD5\xC6\xDA"),             // 日期
      Labelled(IDC_TIME, "\xCA\xB1\xBC\xE4"),             // 时间
      BoxName{IDC_TOTAL, "\xBA\xCF\xBC\xC6", {}},         // 合计
      Labelled(IDC_RECEIVED, "\xCA\xB5\xCA\xD5"),         // 实收
      Numbered(IDC_PERIOD1, kPeriod, 1),
      Numbered(IDC_PERIOD2, kPeriod, 2),
      Labelled(IDC_PASSPHRASE, "\xBF\xDA\xC1\xEE"),  // 口令
  };
  for (int row = 1; row <= kItemRowCount; ++row) {
    const ItemRow boxes = MakeItemRow(row);
    names.push_back(Numbered(boxes.goods, "\xC9\xCC\xC6\xB7", row));     // 商品
    names.push_back(Numbered(boxes.quantity, "\xCA\xFD\xC1\xBF", row));  // 数量
    names.push_back(Numbered(boxes.price, "\xB5\xA5\xBC\xDB", row));     // 单价
  }
  return names;
}
