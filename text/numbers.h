// Reading numbers typed into the form's boxes. Both readings behave like the C library's
// atoi and atof: leading white space is skipped, the longest valid prefix is read, and a
// text with no number at its start reads as 0 ("12abc" is 12, "abc" is 0, " 7" is 7).
//
// Unlike the C functions they never depend on the locale and never have undefined
// behaviour. Only plain decimal forms are read: an optional sign, digits, an optional
// decimal point with digits, and (for decimals) an optional exponent. So:
//   - "0x10" reads as 0 (the "0" before the x), "inf", "infinity" and "nan" read as 0;
//   - a whole number beyond 32 bits saturates at INT32_MAX or INT32_MIN;
//   - a decimal too large for a double (it would be infinite) reads as 0, and one too
//     small to represent reads as 0 as well.
#pragma once

#include <cstdint>
#include <string_view>

// The atoi reading: quantities as the total counts them.
int32_t ReadWholeNumber(std::string_view text);

// The atof reading: prices, the amount received. Always finite.
double ReadDecimal(std::string_view text);
