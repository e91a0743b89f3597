#include "fuzz/reference_readings.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsCSpace(char c) {
  return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr;
}

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

// The characters of `text` from `at` on that satisfy `wanted`, appended to `prefix`.
template <class Predicate>
size_t TakeWhile(std::string_view text, size_t at, std::string& prefix, Predicate wanted) {
  while (at < text.size() && wanted(text[at])) prefix += text[at++];
  return at;
}

size_t TakeSign(std::string_view text, size_t at, std::string& prefix) {
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) prefix += text[at++];
  return at;
}

// Where the number starts, after the white space and its sign (taken into `prefix`).
size_t TakeSpaceAndSign(std::string_view text, std::string& prefix) {
  size_t at = 0;
  while (at < text.size() && IsCSpace(text[at])) ++at;
  return TakeSign(text, at, prefix);
}

// "[sign]digits" after the white space; the digits may be missing.
std::string WholePrefix(std::string_view text) {
  std::string prefix;
  TakeWhile(text, TakeSpaceAndSign(text, prefix), prefix, IsDecimalDigit);
  return prefix;
}

// The plain decimal after the white space, or "" when there is none.
std::string DecimalPrefix(std::string_view text) {
  std::string prefix;
  size_t at = TakeSpaceAndSign(text, prefix);
  const size_t mantissa_start = prefix.size();
  at = TakeWhile(text, at, prefix, IsDecimalDigit);
  if (at < text.size() && text[at] == '.') {
    prefix += '.';
    at = TakeWhile(text, at + 1, prefix, IsDecimalDigit);
  }
  const std::string mantissa = prefix.substr(mantissa_start);
  if (mantissa.find_first_of("0123456789") == std::string::npos) return "";
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::string exponent = "e";
    const size_t digits = TakeSign(text, at + 1, exponent);
    if (TakeWhile(text, digits, exponent, IsDecimalDigit) > digits) prefix += exponent;
  }
  return prefix;
}

}  // namespace

int32_t ReferenceWholeNumber(std::string_view text) {
  const long long value = std::strtoll(WholePrefix(text).c_str(), nullptr, 10);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double ReferenceDecimal(std::string_view text) {
  const std::string prefix = DecimalPrefix(text);
  if (prefix.empty()) return 0.0;
  const double value = std::strtod(prefix.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}
