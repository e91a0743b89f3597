// The number readings as the C library gives them, for checking the till's own: the
// till reads only the plain decimal number at the start of a text, so these hand the C
// functions exactly that number and nothing after it.
#pragma once

#include <cstdint>
#include <string_view>

// strtol of the leading "[space][sign]digits", held to the 32-bit range.
int32_t ReferenceWholeNumber(std::string_view text);

// strtod of the leading "[space][sign]digits[.digits][e[sign]digits]" (at least one digit
// before or after the point; the exponent only with digits), or 0 when that would be
// infinite.
double ReferenceDecimal(std::string_view text);
