#include "form/dialog_template.h"

#include <array>

#include "form/control_ids.h"
#include "form/item_row.h"

namespace {

using enum ControlKind;

// Texts are GBK, from text/till_texts.txt.
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
    {IDC_TOTAL_BUTTON, kFlatButton, kTotalButtonCaption, {131, 192, 42, 14}},
    {IDC_TOTAL, kReadOnlyEdit, "", {189, 192, 42, 14}},
    {IDC_RECEIVED, kEdit, "", {55, 225, 76, 14}},
    {IDC_PERIOD1, kEdit, "", {197, 225, 30, 14}},
    {IDC_PERIOD2, kEdit, "", {228, 225, 45, 14}},
    {IDC_PASSPHRASE, kPasswordEdit, "", {55, 243, 76, 14}},
    {IDC_PRINT, kButton, kPrintButtonCaption, {175, 268, 50, 14}},
    {IDC_ABOUT, kButton, kAboutButtonCaption, {227, 268, 50, 14}},
    {IDC_STATIC, kLabel, kCashierFieldLabel, {15, 13, 33, 8}, IDC_CASHIER},
    {IDC_STATIC, kLabel, kReceiptNumberFieldLabel, {168, 13, 25, 8}, IDC_RECEIPTNO},
    {IDC_STATIC, kLabel, kDateFieldLabel, {23, 31, 25, 8}, IDC_DATE},
    {IDC_STATIC, kLabel, kTimeFieldLabel, {168, 31, 25, 8}, IDC_TIME},
    {IDC_STATIC, kGroupBox, kItemListCaption, {7, 57, 266, 157}},
    {IDC_STATIC, kLabel, kGoodsColumnLabel, {55, 75, 17, 8}},
    {IDC_STATIC, kLabel, kQuantityColumnLabel, {131, 75, 17, 8}},
    {IDC_STATIC, kLabel, kPriceColumnLabel, {189, 75, 17, 8}},
    {IDC_STATIC, kLabel, kRow1Label, {36, 91, 13, 8}},
    {IDC_STATIC, kLabel, kRow2Label, {36, 108, 13, 8}},
    {IDC_STATIC, kLabel, kRow3Label, {36, 125, 13, 8}},
    {IDC_STATIC, kLabel, kRow4Label, {36, 141, 13, 8}},
    {IDC_STATIC, kLabel, kRow5Label, {36, 158, 13, 8}},
    {IDC_STATIC, kLabel, kRow6Label, {36, 175, 13, 8}},
    {IDC_STATIC, kLabel, kReceivedFieldLabel, {23, 227, 25, 8}, IDC_RECEIVED},
    {IDC_STATIC, kLabel, kPeriodFieldLabel, {160, 227, 33, 8}},
    {IDC_PASSPHRASE_LABEL, kLabel, kPassphraseFieldLabel, {23, 247, 25, 8}, IDC_PASSPHRASE},
}};

}  // namespace

std::span<const ControlTemplate> DialogControls() {
  return kControls;
}
