#include "receipt/receipt_layout.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "text/format.h"
#include "text/till_texts.h"

namespace {

// The goods column's width in bytes; the quantity starts right after it.
constexpr int kGoodsColumn = 18;
// Quantities above this leave no room for the space before the amount.
constexpr int32_t kNarrowQuantity = 99;

// The pieces without words; the texts are GBK, from text/till_texts.txt.
constexpr std::string_view kSeparator = "--------------------------------\r\n";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFeed = "\r\n\r\n\r\n\r\n\r\n";
// Between the period field's two parts.
constexpr std::string_view kPeriodGap{"\0\0\0\0\0\0\0", 7};

// The parts one after another. Typed texts are put together this way rather than through
// a "%s" pattern, which would end a text at its first zero byte.
std::string Join(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (const std::string_view part : parts) joined += part;
  return joined;
}

// "合计:￥7.00": the label and the amount with two decimals.
std::string MoneyLine(std::string_view label, double amount) {
  return Join({label, Format("%.2f", amount), kLineEnd});
}

}  // namespace

std::string MakeSpaces(int count) {
  return count > 0 ? std::string(static_cast<size_t>(count), ' ') : std::string();
}

std::string FormatItemLine(const SaleItem& item) {
  const int goods_width = static_cast<int>(std::min<size_t>(item.goods.size(), kGoodsColumn));
  std::string line = item.goods;
  line += MakeSpaces(kGoodsColumn - goods_width);
  line += Format("%.0f  %.2f", static_cast<double>(item.quantity), item.price);
  line += MakeSpaces(item.quantity > kNarrowQuantity ? 0 : 1);
  line += Format("%.2f\r\n", item.amount);
  return line;
}

std::vector<std::string> ComposeReceipt(const ReceiptValues& values) {
  std::vector<std::string> pieces;
  pieces.emplace_back(kTitle);
  pieces.emplace_back(kSeparator);
  pieces.push_back(
      Join({kCashierLabel, values.cashier, kNumberLabel, values.receipt_number, kLineEnd}));
  pieces.push_back(Join({kDateLabel, values.date, kTimeLabel, values.time, kLineEnd}));
  pieces.emplace_back(kSeparator);
  pieces.emplace_back(kColumnHeader);
  std::ranges::transform(values.items, std::back_inserter(pieces), FormatItemLine);
  pieces.emplace_back(kSeparator);
  pieces.push_back(MoneyLine(kTotalLabel, values.total));
  pieces.push_back(MoneyLine(kReceivedLabel, values.received));
  // Cash is always reported equal to the amount received.
  pieces.push_back(MoneyLine(kCashLabel, values.received));
  // The change, negative when too little was received.
  pieces.push_back(MoneyLine(kChangeLabel, values.received - values.total));
  // The period's first part; the line goes on after the gap.
  pieces.push_back(Join({kPeriodLabel, values.period1}));
  pieces.emplace_back(kPeriodGap);
  pieces.push_back(Join({values.period2, kLineEnd}));
  pieces.emplace_back(kLineEnd);
  pieces.emplace_back(kFeed);
  return pieces;
}
