#include "tests/support/typed_sale.h"

#include "form/control_ids.h"
#include "text/gbk.h"

void TypeSale(FakeForm& form, const TypedSale& sale) {
  form.FillPickers();
  form.SetText(IDC_CASHIER, Utf8ToGbk(sale.cashier));
  form.SetText(IDC_RECEIPTNO, Utf8ToGbk(sale.receipt_number));
  form.SetText(IDC_DATE, Utf8ToGbk(sale.date));
  form.SetText(IDC_TIME, Utf8ToGbk(sale.time));
  int row = 1;
  for (const TypedRow& typed : sale.rows)
    form.FillRow(row++, typed.goods, Utf8ToGbk(typed.quantity), Utf8ToGbk(typed.price));
  form.SetText(IDC_RECEIVED, Utf8ToGbk(sale.received));
  form.SetText(IDC_PERIOD1, Utf8ToGbk(sale.period1));
  form.SetText(IDC_PERIOD2, Utf8ToGbk(sale.period2));
}
