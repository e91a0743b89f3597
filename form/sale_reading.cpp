#include "form/sale_reading.h"

#include <utility>

#include "text/numbers.h"

namespace {

bool Counts(int selection, std::string_view quantity, std::string_view price) {
  return selection != kNoSelection && ReadWholeNumber(quantity) != 0 && ReadDecimal(price) >= 0.001;
}

}  // namespace

double LineAmount(std::string_view quantity, std::string_view price) {
  return static_cast<double>(ReadWholeNumber(quantity)) * ReadDecimal(price);
}

SaleReading ReadSale(const FormInterface& form) {
  SaleReading sale;
  for (const ItemRow& row : kItemRows) {
    std::string quantity = form.GetText(row.quantity);
    std::string price = form.GetText(row.price);
    if (!Counts(form.GetSelection(row.goods), quantity, price)) break;
    sale.total += LineAmount(quantity, price);
    sale.lines.push_back(
        {row, form.GetText(row.goods), std::move(quantity), std::move(price), sale.total});
  }
  return sale;
}
