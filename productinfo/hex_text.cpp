#include "productinfo/hex_text.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr size_t kDigitsPerCharacter = 4;

bool IsSingleByteCharacter(uint8_t byte) {
  return byte >= 0x01 && byte <= 0x7F;
}

bool IsLeadByte(uint8_t byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

bool IsTrailByte(uint8_t byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

void AppendByte(std::string& hex, uint8_t byte) {
  hex += kHexDigits[byte >> 4];
  hex += kHexDigits[byte & 0x0F];
}

// The byte written as two upper-case hexadecimal digits, or nothing.
std::optional<uint8_t> ReadByte(std::string_view digits) {
  const size_t high = kHexDigits.find(digits[0]);
  const size_t low = kHexDigits.find(digits[1]);
  if (high == std::string_view::npos || low == std::string_view::npos) return std::nullopt;
  return static_cast<uint8_t>(high << 4 | low);
}

// Appends the one GBK character written as four digits; false when the digits are not
// hexadecimal or name no character.
bool AppendCharacter(std::string& text, std::string_view digits) {
  const std::optional<uint8_t> first = ReadByte(digits.substr(0, 2));
  const std::optional<uint8_t> second = ReadByte(digits.substr(2, 2));
  if (!first || !second) return false;
  if (*first == 0x00) {
    if (!IsSingleByteCharacter(*second)) return false;
    text += static_cast<char>(*second);
    return true;
  }
  if (!IsLeadByte(*first) || !IsTrailByte(*second)) return false;
  text += static_cast<char>(*first);
  text += static_cast<char>(*second);
  return true;
}

}  // namespace

std::optional<std::string> EncodeHexText(std::string_view gbk) {
  std::string hex;
  hex.reserve((gbk.size() + 1) * kDigitsPerCharacter);
  for (size_t at = 0; at < gbk.size(); ++at) {
    const auto byte = static_cast<uint8_t>(gbk[at]);
    if (IsSingleByteCharacter(byte) && byte != kRecordSeparator) {
      AppendByte(hex, 0x00);
      AppendByte(hex, byte);
      continue;
    }
    if (!IsLeadByte(byte) || at + 1 == gbk.size()) return std::nullopt;
    const auto trail = static_cast<uint8_t>(gbk[++at]);
    if (!IsTrailByte(trail)) return std::nullopt;
    AppendByte(hex, byte);
    AppendByte(hex, trail);
  }
  AppendByte(hex, 0x00);
  AppendByte(hex, kRecordSeparator);
  return hex;
}

std::optional<std::string> DecodeHexText(std::span<const char> field) {
  const auto terminator = std::find(field.begin(), field.end(), '\0');
  if (terminator == field.end()) return std::nullopt;
  const std::string_view hex(field.data(), static_cast<size_t>(terminator - field.begin()));
  if (hex.size() % kDigitsPerCharacter != 0) return std::nullopt;
  std::string text;
  for (size_t at = 0; at < hex.size(); at += kDigitsPerCharacter) {
    if (!AppendCharacter(text, hex.substr(at, kDigitsPerCharacter))) return std::nullopt;
  }
  return text;
}
