// Receipts as the layout rules describe them, written out here independently of the code
// that composes them, for tests that check the bytes a printer received.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The receipt's fixed texts, GBK.
inline constexpr std::string_view kExpectedTitle =
    "            \xCF\xFA\xCA\xDB\xB5\xA5\r\n";  // 销售单
inline constexpr std::string_view kExpectedSeparator = "--------------------------------\r\n";
// 演示             数量 单价  金额
inline constexpr std::string_view kExpectedHeader =
    "\xD1\xDD\xCA\xBE             \xCA\xFD\xC1\xBF \xB5\xA5\xBC\xDB  \xBD\xF0\xB6\xEE\r\n";
inline constexpr std::string_view kExpectedFeed = "\r\n\r\n\r\n\r\n\r\n";
inline constexpr std::string_view kCashierLabel = "\xCA\xD5\xD2\xF8\xD4\xB1:";     // 收银员:
inline constexpr std::string_view kNumberLabel = "   \xB1\xE0\xBA\xC5:";           // 编号:
inline constexpr std::string_view kDateLabel = "\xC8\xD5\xC6\xDA:";                // 日期:
inline constexpr std::string_view kTimeLabel = "    \xCA\xB1\xBC\xE4:";            // 时间:
inline constexpr std::string_view kTotalLabel = "\xBA\xCF\xBC\xC6:\xA3\xA4";       // 合计:￥
inline constexpr std::string_view kReceivedLabel = "\xCA\xB5\xCA\xD5:\xA3\xA4";    // 实收:￥
inline constexpr std::string_view kCashLabel = "\xCF\xD6\xBD\xF0:\xA3\xA4";        // 现金:￥
inline constexpr std::string_view kChangeLabel = "\xD5\xD2\xB2\xB9:\xA3\xA4";      // 找补:￥
inline constexpr std::string_view kPeriodLabel = "\xB3\xA1\xC6\xDA\xB4\xCE:    ";  // 场期次:
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
