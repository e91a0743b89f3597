#include "fuzz/receipt_checks.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/reference_readings.h"
#include "fuzz/require.h"

namespace {

constexpr size_t kGoodsColumn = 18;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

bool IsMoneyText(std::string_view text) {
  static const std::regex kMoney("-?[0-9]+\\.[0-9]{2}");
  return std::regex_match(text.begin(), text.end(), kMoney);
}

// The words of `text` between runs of white space.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t at = text.find_first_not_of(kWhiteSpace);
  while (at != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(kWhiteSpace, at), text.size());
    words.emplace_back(text.substr(at, end - at));
    at = text.find_first_not_of(kWhiteSpace, end);
  }
  return words;
}

int Number(const std::ssub_match& digits) {
  return digits.matched ? std::atoi(digits.str().c_str()) : 0;
}

// Whether the C library keeps the moment as it is when it normalises it: only a day
// that exists and a time of day within range pass unchanged.
bool IsRealMoment(const std::tm& moment) {
  std::tm normalised = moment;
  errno = 0;
  if (timegm(&normalised) == -1 && errno != 0) return false;
  return normalised.tm_year == moment.tm_year && normalised.tm_mon == moment.tm_mon &&
         normalised.tm_mday == moment.tm_mday && normalised.tm_hour == moment.tm_hour &&
         normalised.tm_min == moment.tm_min && normalised.tm_sec == moment.tm_sec;
}

// The renderings of the moment the typed texts read as, or nothing when they do not.
std::optional<DateTimeTexts> Rendering(std::string_view date, std::string_view time) {
  static const std::regex kDate("([0-9]{4})([-/.])([0-9]{1,2})\\2([0-9]{1,2})");
  static const std::regex kTime("([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?");
  const std::vector<std::string> words = Words(std::string(date) + " " + std::string(time));
  std::smatch day;
  std::smatch clock;
  if (words.size() != 2 || !std::regex_match(words[0], day, kDate) ||
      !std::regex_match(words[1], clock, kTime)) {
    return std::nullopt;
  }
  std::tm moment{};
  moment.tm_year = Number(day[1]) - 1900;
  moment.tm_mon = Number(day[3]) - 1;
  moment.tm_mday = Number(day[4]);
  moment.tm_hour = Number(clock[1]);
  moment.tm_min = Number(clock[2]);
  moment.tm_sec = Number(clock[3]);
  if (Number(day[1]) < 1 || !IsRealMoment(moment)) return std::nullopt;
  char rendered_date[16];
  char rendered_time[16];
  std::snprintf(rendered_date, sizeof rendered_date, "%04d-%02d-%02d", moment.tm_year + 1900,
                moment.tm_mon + 1, moment.tm_mday);
  std::snprintf(rendered_time, sizeof rendered_time, "%02d:%02d:%02d", moment.tm_hour,
                moment.tm_min, moment.tm_sec);
  return DateTimeTexts{rendered_date, rendered_time};
}

}  // namespace

void CheckMoney(std::string_view text, double value, const char* property) {
  Require(IsMoneyText(text), property);
  const double printed = std::strtod(std::string(text).c_str(), nullptr);
  // printf rounds the exact value to the cent; reading that back adds at most an ulp.
  Require(std::fabs(printed - value) <= 0.005 + std::fabs(value) * 1e-15, property);
}

double CheckItemLine(std::string_view line, std::string_view goods, std::string_view quantity,
                     std::string_view price) {
  Require(line.ends_with(kLineEnd), "an item line ends in CR LF");
  Require(line.starts_with(goods), "an item line starts with its goods, whole");
  const size_t column = std::max(goods.size(), kGoodsColumn);
  Require(line.size() >= column + kLineEnd.size() &&
              line.substr(goods.size(), column - goods.size()).find_first_not_of(' ') ==
                  std::string_view::npos,
          "the goods column is at least 18 bytes, filled up with spaces");
  std::string_view rest = line.substr(column, line.size() - column - kLineEnd.size());

  const int32_t whole = ReferenceWholeNumber(quantity);
  const std::string quantity_column = std::to_string(whole) + "  ";
  Require(rest.starts_with(quantity_column),
          "the quantity is the whole number it reads as, then two spaces");
  rest.remove_prefix(quantity_column.size());

  const double unit_price = ReferenceDecimal(price);
  const size_t point = rest.find('.');
  Require(point != std::string_view::npos && point + 3 <= rest.size(),
          "the unit price has two decimals");
  CheckMoney(rest.substr(0, point + 3), unit_price,
             "the unit price is the price read, to the cent");
  rest.remove_prefix(point + 3);

  const bool spaced = whole <= 99;
  Require(rest.starts_with(' ') == spaced,
          "one space before the amount, none when the quantity is over 99");
  if (spaced) rest.remove_prefix(1);
  const double amount = static_cast<double>(whole) * unit_price;
  if (std::isfinite(amount)) {
    CheckMoney(rest, amount, "the amount is the quantity times the unit price, to the cent");
  }
  return std::strtod(std::string(rest).c_str(), nullptr);
}

DateTimeTexts ExpectedDateTime(std::string_view date, std::string_view time) {
  std::optional<DateTimeTexts> rendering = Rendering(date, time);
  return rendering ? std::move(*rendering) : DateTimeTexts{std::string(date), std::string(time)};
}

void CheckDateTime(const DateTimeTexts& normalised, std::string_view date, std::string_view time) {
  const DateTimeTexts expected = ExpectedDateTime(date, time);
  Require(normalised.date == expected.date && normalised.time == expected.time,
          "a date and time come out as \"%Y-%m-%d\" and \"%H:%M:%S\" when they read as a "
          "moment, else exactly as typed");
}
