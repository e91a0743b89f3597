#include "form/form_setup.h"

#include "form/control_ids.h"
#include "form/item_row.h"
#include "text/date_time.h"

void FillGoodsList(FormInterface& form, int picker) {
  for (std::string_view goods : kGoods) form.AddItem(picker, goods);
}

void SetUpForm(FormInterface& form, std::time_t now) {
  for (const ItemRow& row : kItemRows) FillGoodsList(form, row.goods);
  const DateTimeTexts texts = LocalDateTimeTexts(now);
  form.SetText(IDC_DATE, texts.date);
  form.SetText(IDC_TIME, texts.time);
  form.SetFocus(IDC_CASHIER);
}
