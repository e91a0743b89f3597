// The receipt's date and time from any two texts (the first line of the input is the
// date box, the rest the time box): the rendered forms of the moment typed, or the typed
// texts unchanged; normalising again changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fields.h"
#include "fuzz/receipt_checks.h"
#include "fuzz/require.h"
#include "text/date_time.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> fields = SplitFields(data, size, 2);
  const DateTimeTexts normalised = NormaliseDateTime(fields[0], fields[1]);
  CheckDateTime(normalised, fields[0], fields[1]);
  const DateTimeTexts again = NormaliseDateTime(normalised.date, normalised.time);
  Require(again.date == normalised.date && again.time == normalised.time,
          "normalising a normalised date and time changes nothing");
  return 0;
}
