#include "text/utf8.h"

#include <algorithm>

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

struct LeadByte {
  size_t length;
  char32_t bits;    // the code point's bits the lead byte carries
  char32_t lowest;  // below this the character is an overlong form
};

// What the first byte announces; nothing for a byte no character starts with.
std::optional<LeadByte> ReadLeadByte(unsigned char byte) {
  if (byte < 0x80) return LeadByte{1, byte, 0};
  if ((byte & 0xE0) == 0xC0) return LeadByte{2, byte & 0x1Fu, 0x80};
  if ((byte & 0xF0) == 0xE0) return LeadByte{3, byte & 0x0Fu, 0x800};
  if ((byte & 0xF8) == 0xF0) return LeadByte{4, byte & 0x07u, 0x10000};
  return std::nullopt;
}

}  // namespace

std::optional<Utf8Character> ReadUtf8Character(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::optional<LeadByte> lead = ReadLeadByte(static_cast<unsigned char>(text[0]));
  if (!lead || text.size() < lead->length) return std::nullopt;
  char32_t code_point = lead->bits;
  for (size_t at = 1; at < lead->length; ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (!IsContinuation(byte)) return std::nullopt;
    code_point = (code_point << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < lead->lowest || surrogate || code_point > 0x10FFFF) return std::nullopt;
  return Utf8Character{code_point, lead->length};
}

size_t BrokenUtf8Length(std::string_view text) {
  size_t end = 1;
  while (end < text.size() && IsContinuation(static_cast<unsigned char>(text[end]))) ++end;
  return std::min(end, text.size());
}
