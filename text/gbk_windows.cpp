// GBK through Windows' own code page 936, held to the same rule as everywhere else: a
// character GBK cannot hold, and a byte that does not start a character, become "?".
// Windows' conversions would otherwise differ in three ways, each handled here: they
// replace with best-fit look-alikes ("é" would become "e"); over a whole text they put a
// replacement of their own in place of bad bytes, without saying how many; and code page
// 936 reads GBK's user-defined areas and the byte 0xFF as private-use characters, which
// GBK itself does not define. So the text is walked one character at a time here.
#include "text/gbk.h"

#include <windows.h>

#include "text/utf8.h"
#include "text/wide_text_windows.h"

namespace {

constexpr UINT kGbkCodePage = 936;
constexpr wchar_t kReplacement = L'?';

bool IsPrivateUse(char32_t code_point) {
  return code_point >= 0xE000 && code_point <= 0xF8FF;
}

// The GBK bytes of one character of the Basic Multilingual Plane; nothing when GBK has
// no such character.
std::optional<std::string> GbkCharacter(wchar_t character) {
  if (IsPrivateUse(character)) return std::nullopt;
  char bytes[4];
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                         sizeof bytes, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  return std::string(bytes, static_cast<size_t>(length));
}

// The character of `length` GBK bytes at the start of `gbk`; nothing when they are not
// one.
std::optional<wchar_t> GbkBytesCharacter(std::string_view gbk, int length) {
  if (gbk.size() < static_cast<size_t>(length)) return std::nullopt;
  wchar_t character = 0;
  if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length, &character, 1) !=
          1 ||
      IsPrivateUse(character)) {
    return std::nullopt;
  }
  return character;
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
    // Characters take two bytes; ASCII and the euro sign (0x80) take one.
    const auto byte = static_cast<unsigned char>(gbk[0]);
    if (byte < 0x80) {
      wide += static_cast<wchar_t>(byte);
      gbk.remove_prefix(1);
    } else if (const std::optional<wchar_t> pair = GbkBytesCharacter(gbk, 2)) {
      wide += *pair;
      gbk.remove_prefix(2);
    } else {
      wide += GbkBytesCharacter(gbk, 1).value_or(kReplacement);
      gbk.remove_prefix(1);
    }
  }
  return WideToUtf8(wide);
}

// Code page 936 is part of every Windows the till runs on (7 SP1 and later install all
// their code pages): there is nothing to open that could be missing.
std::optional<std::string> GbkUnavailableReason() {
  return std::nullopt;
}
