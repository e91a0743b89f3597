// The complete sales behind the golden receipts (tests/receipt/golden/*.hex): what a
// cashier types, and the file holding the receipt it must print. Every printer the till
// has prints these the same.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/typed_sale.h"

// A complete sale. Cases name what they change; the rest is a plain sale.
struct GoldenCase {
  const char* golden;  // file name under golden/, without ".hex"
  std::vector<TypedRow> rows;
  std::string received;
  std::string receipt_number;
  std::string cashier = "Li";
  std::string date = "2024-03-05";
  std::string time = "09:07:02";
  std::string period1 = "1";
  std::string period2 = "1";

  TypedSale Typed() const;
};

// A failing case is named by its file, not dumped as bytes.
void PrintTo(const GoldenCase& golden_case, std::ostream* out);

const std::vector<GoldenCase>& GoldenSales();
