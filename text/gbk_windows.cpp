// GBK through Windows' own code page 936. Windows' conversions would turn what they cannot
// convert into best-fit look-alikes or a code page's own default character, and read the
// byte 0x80 as the euro sign, which GBK does not have; so this walks the text itself and
// asks the system one character at a time, keeping the till's rule everywhere: a
// character GBK cannot hold, and a byte that does not start a character, become "?".
#include "text/gbk.h"

#include <windows.h>

#include "text/utf8.h"

namespace {

constexpr UINT kGbkCodePage = 936;
constexpr wchar_t kReplacement = L'?';

// The GBK bytes of one character of the Basic Multilingual Plane; nothing when GBK has
// no such character. No best fit: "é" is not "e".
std::optional<std::string> GbkCharacter(wchar_t character) {
  char bytes[4];
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                         sizeof bytes, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  return std::string(bytes, static_cast<size_t>(length));
}

bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

bool IsGbkTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// The character the two bytes at the start of `gbk` stand for; nothing when they are
// not a GBK character.
std::optional<wchar_t> GbkPairCharacter(std::string_view gbk) {
  if (gbk.size() < 2 || !IsGbkLeadByte(static_cast<unsigned char>(gbk[0])) ||
      !IsGbkTrailByte(static_cast<unsigned char>(gbk[1]))) {
    return std::nullopt;
  }
  wchar_t character = 0;
  if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), 2, &character, 1) != 1)
    return std::nullopt;
  return character;
}

std::string WideToUtf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string gbk;
  gbk.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::optional<Utf8Character> character = ReadUtf8Character(utf8);
    if (!character) {
      gbk += '?';
      utf8.remove_prefix(BrokenUtf8Length(utf8));
      continue;
    }
    utf8.remove_prefix(character->length);
    if (character->code_point < 0x80) {
      gbk += static_cast<char>(character->code_point);
      continue;
    }
    // GBK holds nothing beyond the Basic Multilingual Plane.
    std::optional<std::string> bytes;
    if (character->code_point <= 0xFFFF)
      bytes = GbkCharacter(static_cast<wchar_t>(character->code_point));
    gbk += bytes.value_or("?");
  }
  return gbk;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::wstring wide;
  wide.reserve(gbk.size());
  while (!gbk.empty()) {
    const auto byte = static_cast<unsigned char>(gbk[0]);
    if (byte < 0x80) {
      wide += static_cast<wchar_t>(byte);
      gbk.remove_prefix(1);
    } else if (const std::optional<wchar_t> character = GbkPairCharacter(gbk)) {
      wide += *character;
      gbk.remove_prefix(2);
    } else {
      wide += kReplacement;
      gbk.remove_prefix(1);
    }
  }
  return WideToUtf8(wide);
}
