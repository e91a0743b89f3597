#include "form/dialog_template.h"

#include <array>

#include "form/control_ids.h"
#include "form/item_row.h"

namespace {

using enum ControlKind;

// Texts are GBK; the comment beside each gives it in readable form.
constexpr std::array<ControlTemplate, 47> kControls = {{
    {IDC_CASHIER, kEdit, "", {55, 11, 76, 14}},
    {IDC_RECEIPTNO, kEdit, "", {197, 11, 76, 14}},
    {IDC_DATE, kEdit, "", {55, 28, 76, 14}},
    {IDC_TIME, kEdit, "", {197, 28, 76, 14}},
    {MakeItemRow(1).goods, kGoodsPicker, "", {55, 90, 42, 71}},
    {MakeItemRow(1).quantity, kEdit, "", {131, 89, 42, 14}},
    {MakeItemRow(1).price, kEdit, "", {189, 89, 42, 14}},
    {MakeItemRow(2).goods, kGoodsPicker, "", {55, 107, 42, 71}},
    {MakeItemRow(2).quantity, kEdit, "", {131, 106, 42, 14}},
    {MakeItemRow(2).price, kEdit, "", {189, 106, 42, 14}},
    {MakeItemRow(3).goods, kGoodsPicker, "", {55, 124, 42, 71}},
    {MakeItemRow(3).quantity, kEdit, "", {131, 123, 42, 14}},
    {MakeItemRow(3).price, kEdit, "", {189, 123, 42, 14}},
    {MakeItemRow(4).goods, kGoodsPicker, "", {55, 140, 42, 71}},
    {MakeItemRow(4).quantity, kEdit, "", {131, 139, 42, 14}},
    {MakeItemRow(4).price, kEdit, "", {189, 139, 42, 14}},
    {MakeItemRow(5).goods, kGoodsPicker, "", {55, 157, 42, 71}},
    {MakeItemRow(5).quantity, kEdit, "", {131, 156, 42, 14}},
    {MakeItemRow(5).price, kEdit, "", {189, 156, 42, 14}},
    {MakeItemRow(6).goods, kGoodsPicker, "", {55, 174, 42, 71}},
    {MakeItemRow(6).quantity, kEdit, "", {131, 173, 42, 14}},
    {MakeItemRow(6).price, kEdit, "", {189, 173, 42, 14}},
    {IDC_TOTAL_BUTTON, kFlatButton, "\xBA\xCF\xBC\xC6 >>", {131, 192, 42, 14}},  // 合计 >>
    {IDC_TOTAL, kReadOnlyEdit, "", {189, 192, 42, 14}},
    {IDC_RECEIVED, kEdit, "", {55, 225, 76, 14}},
    {IDC_PERIOD1, kEdit, "", {197, 225, 30, 14}},
    {IDC_PERIOD2, kEdit, "", {228, 225, 45, 14}},
    {IDC_PASSPHRASE, kPasswordEdit, "", {55, 243, 76, 14}},
    {IDC_PRINT, kButton, "\xB4\xF2\xD3\xA1", {175, 268, 50, 14}},               // 打印
    {IDC_ABOUT, kButton, "\xB9\xD8\xD3\xDA", {227, 268, 50, 14}},               // 关于
    {IDC_STATIC, kLabel, "\xCA\xD5\xD2\xF8\xD4\xB1\xA3\xBA", {15, 13, 33, 8}},  // 收银员：
    {IDC_STATIC, kLabel, "\xB1\xE0\xBA\xC5\xA3\xBA", {168, 13, 25, 8}},         // 编号：
    {IDC_STATIC, kLabel, "\xC8\xD5\xC6\xDA\xA3\xBA", {23, 31, 25, 8}},          // 日期：
    {IDC_STATIC, kLabel, "\xCA\xB1\xBC\xE4\xA3\xBA", {168, 31, 25, 8}},         // 时间：
    {IDC_STATIC, kGroupBox, "\xC1\xD0\xB1\xED", {7, 57, 266, 157}},             // 列表
    {IDC_STATIC, kLabel, "\xC9\xCC\xC6\xB7", {55, 75, 17, 8}},                  // 商品
    {IDC_STATIC, kLabel, "\xCA\xFD\xC1\xBF", {131, 75, 17, 8}},                 // 数量
    {IDC_STATIC, kLabel, "\xB5\xA5\xBC\xDB", {189, 75, 17, 8}},                 // 单价
    {IDC_STATIC, kLabel, "1\xA1\xA2", {36, 91, 13, 8}},                         // 1、
    {IDC_STATIC, kLabel, "2\xA1\xA2", {36, 108, 13, 8}},
    {IDC_STATIC, kLabel, "3\xA1\xA2", {36, 125, 13, 8}},
    {IDC_STATIC, kLabel, "4\xA1\xA2", {36, 141, 13, 8}},
    {IDC_STATIC, kLabel, "5\xA1\xA2", {36, 158, 13, 8}},
    {IDC_STATIC, kLabel, "6\xA1\xA2", {36, 175, 13, 8}},
    {IDC_STATIC, kLabel, "\xCA\xB5\xCA\xD5\xA3\xBA", {23, 227, 25, 8}},            // 实收：
    {IDC_STATIC, kLabel, "\xB3\xA1\xC6\xDA\xB4\xCE\xA3\xBA", {160, 227, 33, 8}},   // 场期次：
    {IDC_PASSPHRASE_LABEL, kLabel, "\xBF\xDA\xC1\xEE\xA3\xBA", {23, 247, 25, 8}},  // 口令：
}};

}  // namespace

std::span<const ControlTemplate> DialogControls() {
  return kControls;
}
