#include "form/sale_reading.h"

#include "text/numbers.h"

namespace {

bool Counts(int selection, int32_t quantity, double price) {
  return selection != kNoSelection && quantity != 0 && price >= 0.001;
}

}  // namespace

double LineAmount(int32_t quantity, double price) {
  return static_cast<double>(quantity) * price;
}

SaleReading ReadSale(const FormInterface& form) {
  SaleReading sale;
  for (const ItemRow& row : kItemRows) {
    const int32_t quantity = ReadWholeNumber(form.GetText(row.quantity));
    const double price = ReadDecimal(form.GetText(row.price));
    if (!Counts(form.GetSelection(row.goods), quantity, price)) break;
    const double amount = LineAmount(quantity, price);
    sale.total += amount;
    sale.lines.push_back({row, {form.GetText(row.goods), quantity, price, amount}, sale.total});
  }
  return sale;
}
