// The number readings of any text: they agree with the C library on the plain decimal
// number at the start, saturate instead of overflowing, and never give a value that is
// not finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/reference_readings.h"
#include "fuzz/require.h"
#include "text/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Require(ReadWholeNumber(text) == ReferenceWholeNumber(text),
          "a whole number reads as strtol of the leading digits, held to 32 bits");
  const double decimal = ReadDecimal(text);
  Require(std::isfinite(decimal), "a decimal reading is finite");
  Require(decimal == ReferenceDecimal(text),
          "a decimal reads as strtod of the leading plain decimal, or 0 past a double's range");
  return 0;
}
