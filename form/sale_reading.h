// The sale's item rows as the form holds them, read in one place for the Total and the
// Print commands alike, so the total shown and the receipt printed come from the same
// reading of the same rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_interface.h"
#include "form/item_row.h"

// One row that counts.
struct SaleLine {
  ItemRow controls;      // the row's goods picker and boxes
  std::string goods;     // the picked goods
  std::string quantity;  // the quantity box, as typed
  std::string price;     // the unit-price box, as typed
  double subtotal;       // the sale's total up to and including this row
};

struct SaleReading {
  std::vector<SaleLine> lines;  // the rows that count, in order
  double total = 0.0;           // their amounts, added up in that order

  int32_t ItemCount() const { return static_cast<int32_t>(lines.size()); }
};

// The amount of one row: the quantity read as a whole number times the unit price. Not
// finite when the product is beyond the range of a double.
double LineAmount(std::string_view quantity, std::string_view price);

// Reads rows 1 to 6 in order. A row counts when a goods is picked, its quantity reads (as
// a whole number) as anything but 0, and its unit price reads as at least 0.001; the first
// row that does not count ends the run, whatever the rows after it hold.
SaleReading ReadSale(const FormInterface& form);
