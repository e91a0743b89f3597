#include "tests/support/golden_receipt.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

// One word of a dump line: "XX" or "XX*N".
bool AppendBytes(std::string_view word, std::string& piece) {
  unsigned byte = 0;
  const auto [hex_end, hex_error] =
      std::from_chars(word.data(), word.data() + word.size(), byte, 16);
  if (hex_error != std::errc() || hex_end != word.data() + 2 || byte > 0xFF) return false;
  size_t count = 1;
  if (word.size() > 2) {
    const char* end = word.data() + word.size();
    if (word[2] != '*') return false;
    const auto [count_end, count_error] = std::from_chars(word.data() + 3, end, count);
    if (count_error != std::errc() || count_end != end) return false;
  }
  piece.append(count, static_cast<char>(byte));
  return true;
}

}  // namespace

GoldenReceipt ParseHexDump(std::string_view dump) {
  GoldenReceipt golden;
  std::istringstream lines{std::string(dump)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (const size_t comment = line.find('#'); comment != std::string::npos) line.resize(comment);
    std::istringstream words(line);
    std::string word;
    if (!(words >> word)) continue;
    if (word[0] == '@') {
      golden.pieces.emplace_back();
      continue;
    }
    for (bool more = true; more; more = static_cast<bool>(words >> word)) {
      if (golden.pieces.empty() || !AppendBytes(word, golden.pieces.back())) {
        golden.error = "line " + std::to_string(number) + ": cannot read \"" + word + "\"";
        return golden;
      }
    }
  }
  return golden;
}

GoldenReceipt ReadGoldenReceipt(std::string_view name) {
  const std::string path = std::string(RECEIPT_GOLDEN_DIR) + "/" + std::string(name) + ".hex";
  std::ifstream file(path, std::ios::binary);
  if (!file) return {{}, "cannot open " + path};
  std::ostringstream text;
  text << file.rdbuf();
  GoldenReceipt golden = ParseHexDump(text.str());
  if (!golden.error.empty()) golden.error = path + ": " + golden.error;
  return golden;
}

std::string Concatenate(const std::vector<std::string>& pieces) {
  std::string stream;
  for (const std::string& piece : pieces) stream += piece;
  return stream;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (!hex.empty()) hex += ' ';
    hex += kDigits[value >> 4];
    hex += kDigits[value & 0x0F];
  }
  return hex;
}

std::vector<std::string> Hex(const std::vector<std::string>& pieces) {
  std::vector<std::string> hex(pieces.size());
  std::ranges::transform(pieces, hex.begin(), [](const std::string& piece) { return Hex(piece); });
  return hex;
}
