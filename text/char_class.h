// The two character classes the readings of typed texts need, as the C library defines
// them in its "C" locale, but free of the locale and of the C functions' undefined
// behaviour on negative chars (every GBK lead byte is one).
#pragma once

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
