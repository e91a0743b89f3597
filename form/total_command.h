// The Total command ("合计 >>"): finds the leading run of valid item rows, adds them up
// and shows the sum. Print runs it first, so a receipt always carries what it computes.
#pragma once

#include <cstdint>

#include "form/form_interface.h"
#include "form/sale_reading.h"

class TotalCommand {
 public:
  explicit TotalCommand(FormInterface& form) : m_form(&form) {}

  // Reads the item rows (ReadSale), keeps the reading, sets the item count and total
  // from it, then shows the total.
  void OnTotal();

  // Shows the total with two decimals in the total box.
  void ShowTotal();

  int32_t ItemCount() const { return m_nItemCount; }
  double Total() const { return m_dTotal; }
  // The rows as the last OnTotal read them.
  const SaleReading& Sale() const { return m_sale; }

 private:
  FormInterface* m_form;  // never null: the form the command was made for
  SaleReading m_sale;
  int32_t m_nItemCount = 0;
  double m_dTotal = 0.0;
};
