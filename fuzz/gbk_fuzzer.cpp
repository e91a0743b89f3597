// GBK conversion of any bytes, both ways: the output is always valid in its encoding,
// every character comes out as itself or as one "?", and a text either encoding can
// hold survives the round trip unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/encodings.h"
#include "fuzz/require.h"
#include "text/gbk.h"

namespace {

void CheckFromGbk(std::string_view bytes) {
  const std::string utf8 = GbkToUtf8(bytes);
  Require(IsValidUtf8(utf8), "GbkToUtf8 gives valid UTF-8");
  Require(utf8.empty() == bytes.empty(), "GbkToUtf8 empties no text");
  if (const std::optional<std::string> exact = StrictConvert(bytes, "UTF-8", "GBK")) {
    Require(utf8 == *exact, "valid GBK converts exactly, with no \"?\"");
    Require(Utf8ToGbk(utf8) == bytes, "valid GBK survives GBK -> UTF-8 -> GBK");
  }
}

void CheckFromUtf8(std::string_view bytes) {
  const std::string gbk = Utf8ToGbk(bytes);
  Require(StrictConvert(gbk, "UTF-8", "GBK").has_value(), "Utf8ToGbk gives valid GBK");
  Require(gbk.empty() == bytes.empty(), "Utf8ToGbk empties no text");
  if (!IsValidUtf8(bytes)) return;
  Require(CountGbkCharacters(gbk) == CountUtf8Characters(bytes),
          "every character of valid UTF-8 comes out as one GBK character or one \"?\"");
  if (IsGbkRepresentable(bytes)) {
    Require(GbkToUtf8(gbk) == bytes, "UTF-8 that GBK can hold survives UTF-8 -> GBK -> UTF-8");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckFromGbk(bytes);
  CheckFromUtf8(bytes);
  return 0;
}
