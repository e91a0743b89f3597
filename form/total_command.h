// The Total command ("合计 >>"): finds the leading run of valid item rows, adds them up
// and shows the sum. Print runs it first, so a receipt always carries what it computes.
#pragma once

#include <cstdint>

#include "form/form_interface.h"

class TotalCommand {
 public:
  explicit TotalCommand(FormInterface& form) : m_form(form) {}

  // Reads rows 1 to 6 in order. A row counts when a goods is picked, its quantity reads
  // (as a whole number) as anything but 0, and its unit price reads as at least 0.001;
  // the first row that does not count ends the run, whatever the rows after it hold.
  // Sets the item count and total, then shows the total.
  void OnTotal();

  // Shows the total with two decimals in the total box.
  void ShowTotal();

  int32_t ItemCount() const { return m_nItemCount; }
  double Total() const { return m_dTotal; }

 private:
  FormInterface& m_form;
  int32_t m_nItemCount = 0;
  double m_dTotal = 0.0;
};
