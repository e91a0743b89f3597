#include "fuzz/encodings.h"

#include <iconv.h>

namespace {

unsigned Byte(std::string_view bytes, size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

// The multi-byte forms of UTF-8: which lead bytes start them, how long they are, the
// lead byte's share of the code point and the smallest code point each may carry.
struct Utf8Form {
  unsigned first_lead;
  unsigned last_lead;
  size_t length;
  unsigned lead_bits;
  unsigned smallest;
};
constexpr Utf8Form kUtf8Forms[] = {
    {0xC2, 0xDF, 2, 0x1F, 0x80}, {0xE0, 0xEF, 3, 0x0F, 0x800}, {0xF0, 0xF4, 4, 0x07, 0x10000}};

// Length of the UTF-8 character at `at` when it is well-formed, else 0.
size_t Utf8CharacterLength(std::string_view bytes, size_t at) {
  const unsigned lead = Byte(bytes, at);
  if (lead < 0x80) return 1;
  for (const Utf8Form& form : kUtf8Forms) {
    if (lead < form.first_lead || lead > form.last_lead) continue;
    if (at + form.length > bytes.size()) return 0;
    unsigned code_point = lead & form.lead_bits;
    for (size_t next = 1; next < form.length; ++next) {
      const unsigned continuation = Byte(bytes, at + next);
      if ((continuation & 0xC0) != 0x80) return 0;
      code_point = code_point << 6 | (continuation & 0x3F);
    }
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    if (code_point < form.smallest || code_point > 0x10FFFF || surrogate) return 0;
    return form.length;
  }
  return 0;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = Utf8CharacterLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::optional<std::string> StrictConvert(std::string_view bytes, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  // iconv_open reports failure as the descriptor (iconv_t)-1.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(bytes.size() * 4 + 16, '\0');
  // iconv takes the input as char** but only reads through it.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast)
  char* in = const_cast<char*>(bytes.data());
  size_t in_left = bytes.size();
  char* out = output.data();
  size_t out_left = output.size();
  const size_t irreversible = iconv(cd, &in, &in_left, &out, &out_left);
  iconv_close(cd);
  if (irreversible != 0 || in_left != 0) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

bool IsGbkRepresentable(std::string_view utf8) {
  const std::optional<std::string> gbk = StrictConvert(utf8, "GBK", "UTF-8");
  if (!gbk) return false;
  const std::optional<std::string> back = StrictConvert(*gbk, "UTF-8", "GBK");
  return back && *back == utf8;
}

size_t CountUtf8Characters(std::string_view utf8) {
  size_t count = 0;
  for (size_t at = 0; at < utf8.size(); ++at) count += (Byte(utf8, at) & 0xC0) != 0x80;
  return count;
}

size_t CountGbkCharacters(std::string_view gbk) {
  size_t count = 0;
  for (size_t at = 0; at < gbk.size(); at += Byte(gbk, at) < 0x80 ? 1 : 2) ++count;
  return count;
}
