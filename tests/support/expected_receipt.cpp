#include "tests/support/expected_receipt.h"

#include <cstdio>

std::string Money(double value) {
  const int length = std::snprintf(nullptr, 0, "%.2f", value);
  std::string text(static_cast<size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.2f", value);
  return text;
}

std::string ExpectedItemLine(const ExpectedItem& item) {
  std::string line = item.goods;
  if (line.size() < 18) line.append(18 - line.size(), ' ');
  line += std::to_string(item.quantity) + "  " + Money(item.price);
  if (item.quantity <= 99) line += ' ';
  return line + Money(item.quantity * item.price) + std::string(kCrLf);
}

std::string ExpectedReceipt(const ExpectedSale& sale) {
  std::string receipt(kTitle);
  receipt += kExpectedSeparator;
  receipt += std::string(kCashierLabel) + sale.cashier + std::string(kNumberLabel) + sale.number;
  receipt += kCrLf;
  receipt += std::string(kDateLabel) + sale.date + std::string(kTimeLabel) + sale.time;
  receipt += kCrLf;
  receipt += kExpectedSeparator;
  receipt += kColumnHeader;
  double total = 0;
  for (const ExpectedItem& item : sale.items) {
    receipt += ExpectedItemLine(item);
    total += item.quantity * item.price;
  }
  receipt += kExpectedSeparator;
  receipt += std::string(kTotalLabel) + Money(total) + std::string(kCrLf);
  receipt += std::string(kReceivedLabel) + Money(sale.received) + std::string(kCrLf);
  receipt += std::string(kCashLabel) + Money(sale.received) + std::string(kCrLf);
  receipt += std::string(kChangeLabel) + Money(sale.received - total) + std::string(kCrLf);
  receipt += std::string(kPeriodLabel) + sale.period1;
  receipt += kPeriodGap;
  receipt += sale.period2 + std::string(kCrLf);
  receipt += kCrLf;
  receipt += kExpectedFeed;
  return receipt;
}
