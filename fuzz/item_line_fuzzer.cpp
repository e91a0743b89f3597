// One item line from any goods, quantity and price texts (one per line of the input),
// read as the sale reading reads a row: the goods column of at least 18 bytes, the
// numbers as the C library reads the texts, CR LF at the end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "form/sale_reading.h"
#include "fuzz/fields.h"
#include "fuzz/receipt_checks.h"
#include "receipt/receipt_layout.h"
#include "text/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> fields = SplitFields(data, size, 3);
  const int32_t quantity = ReadWholeNumber(fields[1]);
  const double price = ReadDecimal(fields[2]);
  const SaleItem item{fields[0], quantity, price, LineAmount(quantity, price)};
  CheckItemLine(FormatItemLine(item), fields[0], fields[1], fields[2]);
  return 0;
}
