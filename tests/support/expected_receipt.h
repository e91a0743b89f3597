// Receipts as the layout rules describe them, written out here independently of the code
// that composes them, for tests that check the bytes a printer received.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/till_texts.h"

// The receipt's pieces without words; its texts (kTitle, kColumnHeader, kCashierLabel, ...)
// come from the till's table, text/till_texts.txt.
inline constexpr std::string_view kExpectedSeparator = "--------------------------------\r\n";
inline constexpr std::string_view kExpectedFeed = "\r\n\r\n\r\n\r\n\r\n";
inline constexpr std::string_view kPeriodGap{"\0\0\0\0\0\0\0", 7};
inline constexpr std::string_view kCrLf = "\r\n";

// One item line as the receipt must show it: the numbers as the boxes read.
struct ExpectedItem {
  std::string goods;  // GBK
  int32_t quantity;   // the whole number the quantity box reads as
  double price;       // the decimal the price box reads as
};

// Everything a receipt shows, texts in GBK as printed (the date and time normalised).
struct ExpectedSale {
  std::string cashier;
  std::string number;
  std::string date;
  std::string time;
  std::vector<ExpectedItem> items;
  double received;
  std::string period1;
  std::string period2;
};

// "%.2f".
std::string Money(double value);

// The item line: goods, spaces up to byte 18, quantity, two spaces, price, one space unless
// the quantity is over 99, amount, CR LF.
std::string ExpectedItemLine(const ExpectedItem& item);

// The whole byte stream; the total is the sum of the items' amounts in order.
std::string ExpectedReceipt(const ExpectedSale& sale);
