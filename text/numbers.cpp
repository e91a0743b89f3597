#include "text/numbers.h"

#include <charconv>
#include <limits>
#include <system_error>

#include "text/char_class.h"

namespace {

// Everything from the first character that is not white space.
std::string_view SkipSpace(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  return text.substr(at);
}

// Number of digits at `at`.
size_t CountDigits(std::string_view text, size_t at) {
  size_t end = at;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - at;
}

// Length of the plain decimal number without sign at the start of `text`, or 0 when
// there is none: digits, optionally "." and digits (at least one digit in all), then an
// exponent only when it has digits of its own.
size_t DecimalLength(std::string_view text) {
  size_t length = CountDigits(text, 0);
  size_t mantissa_digits = length;
  if (length < text.size() && text[length] == '.') {
    size_t fraction = CountDigits(text, length + 1);
    mantissa_digits += fraction;
    length += 1 + fraction;
  }
  if (mantissa_digits == 0) return 0;
  if (length < text.size() && (text[length] == 'e' || text[length] == 'E')) {
    size_t exponent = length + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    size_t exponent_digits = CountDigits(text, exponent);
    if (exponent_digits > 0) length = exponent + exponent_digits;
  }
  return length;
}

// Removes a leading sign from `text`; true when it was a minus.
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  const bool negative = text[0] == '-';
  text.remove_prefix(1);
  return negative;
}

}  // namespace

int32_t ReadWholeNumber(std::string_view text) {
  text = SkipSpace(text);
  const bool negative = TakeSign(text);
  // Accumulate towards the sign's side so INT32_MIN itself is reachable; stop at the limit.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (size_t at = 0; at < text.size() && IsDigit(text[at]); ++at) {
    int64_t digit = text[at] - '0';
    value = negative ? value * 10 - digit : value * 10 + digit;
    if (value > kMax) return static_cast<int32_t>(kMax);
    if (value < kMin) return static_cast<int32_t>(kMin);
  }
  return static_cast<int32_t>(value);
}

double ReadDecimal(std::string_view text) {
  text = SkipSpace(text);
  const bool negative = TakeSign(text);
  size_t length = DecimalLength(text);
  if (length == 0) return 0.0;
  double value = 0.0;
  // from_chars is given the range's end; it never looks for a terminating zero.
  // NOLINTNEXTLINE(bugprone-suspicious-stringview-data-usage)
  auto [end, error] = std::from_chars(text.data(), text.data() + length, value);
  if (error != std::errc() || end != text.data() + length) return 0.0;
  return negative ? -value : value;
}
