#include "form/form_setup.h"

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/local_time.h"

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

DateTimeTexts LocalDateTimeTexts(std::time_t now) {
  const std::optional<std::tm> local = LocalTime(now);
  if (!local) return {};
  char date[32];
  char time[32];
  if (std::strftime(date, sizeof date, "%Y-%m-%d", &*local) == 0) date[0] = '\0';
  if (std::strftime(time, sizeof time, "%H:%M:%S", &*local) == 0) time[0] = '\0';
  return {date, time};
}
