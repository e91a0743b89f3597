// The receipt as the printer receives it: plain GBK text with CR LF line ends, written
// piece by piece. Nothing here touches the printer; this only says what the pieces are.
#pragma once

#include <string>
#include <vector>

#include "form/sale_reading.h"

// Everything one receipt is composed from. Texts are GBK.
struct ReceiptValues {
  std::string cashier;
  std::string receipt_number;  // may be empty
  std::string date;            // normalised, see text/date_time.h
  std::string time;
  std::vector<SaleItem> items;  // the counted rows, in order, as the sale reading read them
  double total = 0.0;           // what the Total command added up
  double received = 0.0;        // the amount received, read as a decimal
  std::string period1;          // the period field's two parts, may be empty
  std::string period2;
};

// `count` ASCII spaces; none when `count` is 0 or less.
std::string MakeSpaces(int count);

// One item line: the goods in a column 18 bytes wide (a longer name is kept whole and
// pushes the rest right), the quantity, two spaces, the unit price, one space unless the
// quantity is over 99, the amount, CR LF.
//
// The numbers are printed as the sale reading read them, nothing is read again: every
// line's amount is exactly its row's share of the total, and the lines add up to it.
// Money has two decimals, rounded as printf rounds the double's exact binary value.
std::string FormatItemLine(const SaleItem& item);

// The receipt's pieces in the order they are written; each piece is one write. Lines end
// in CR LF; the period line carries seven zero bytes between its two parts. The texts go
// in byte for byte, zero bytes included.
std::vector<std::string> ComposeReceipt(const ReceiptValues& values);
