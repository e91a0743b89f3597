// The sale's item rows as the form holds them, read in one place for the Total and the
// Print commands alike: each counted row's quantity and unit price are read here once,
// and the total shown and the receipt printed both come from those numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "form/form_interface.h"
#include "form/item_row.h"

// What a counted row says, as read: what its line on the receipt shows.
struct SaleItem {
  std::string goods;  // the picked goods
  int32_t quantity;   // the quantity box, read as a whole number
  double price;       // the unit-price box, read as a decimal
  double amount;      // LineAmount of the two
};

// One row that counts.
struct SaleLine {
  ItemRow controls{};  // the row's goods picker and boxes
  SaleItem item;
  double subtotal = 0.0;  // the sale's total up to and including this row
};

struct SaleReading {
  std::vector<SaleLine> lines;  // the rows that count, in order
  double total = 0.0;           // their amounts, added up in that order

  int32_t ItemCount() const { return static_cast<int32_t>(lines.size()); }
};

// The amount of one row: its quantity times its unit price. Not finite when the product
// is beyond the range of a double.
double LineAmount(int32_t quantity, double price);

// Reads rows 1 to 6 in order. A row counts when a goods is picked, its quantity reads (as
// a whole number) as anything but 0, and its unit price reads as at least 0.001; the first
// row that does not count ends the run, whatever the rows after it hold.
SaleReading ReadSale(const FormInterface& form);
