// One item line from any goods, quantity and price texts (one per line of the input):
// the goods column of at least 18 bytes, the numbers as they read, CR LF at the end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fields.h"
#include "fuzz/receipt_checks.h"
#include "receipt/receipt_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> fields = SplitFields(data, size, 3);
  CheckItemLine(FormatItemLine(fields[0], fields[1], fields[2]), fields[0], fields[1], fields[2]);
  return 0;
}
