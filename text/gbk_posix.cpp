#include "text/gbk_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/gbk.h"
#include "text/utf8.h"

namespace {

constexpr char kReplacement = '?';
// How much input one call of the converter gets. Before it reports a character it cannot
// convert, the system's converter works through much of the input it was handed, so a
// long text full of such characters (a pasted megabyte of emoji) would take seconds with
// the whole text handed over each time.
constexpr size_t kWindow = 256;

// iconv_open reports failure as the descriptor (iconv_t)-1.
bool IsOpen(iconv_t converter) {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast,performance-no-int-to-ptr)
  return converter != reinterpret_cast<iconv_t>(-1);
}

// Whether `text` starts with a Unicode tag character (U+E0000 to U+E007F); flag emoji of
// regions carry them. All of them start with the byte F3.
bool StartsWithTagCharacter(std::string_view text) {
  if (text.empty() || text[0] != '\xF3') return false;
  const std::optional<Utf8Character> character = ReadUtf8Character(text);
  return character && character->code_point >= 0xE0000 && character->code_point <= 0xE007F;
}

// How many input bytes to drop after an unconvertible sequence at `at`: the whole UTF-8
// character when reading UTF-8, else the one byte that could not start a character.
size_t SkipLength(std::string_view input, size_t at, bool input_is_utf8) {
  return input_is_utf8 ? BrokenUtf8Length(input.substr(at)) : 1;
}

std::string Reserved(std::string_view input) {
  std::string output;
  output.reserve(input.size() + input.size() / 2 + 16);
  return output;
}

// The till's converters, opened at the first text or question.
IconvGbk& TillGbk() {
  static IconvGbk gbk("GBK");
  return gbk;
}

}  // namespace

IconvGbk::IconvGbk(const char* gbk_codeset)
    : codeset_(gbk_codeset),
      to_gbk_(iconv_open(gbk_codeset, "UTF-8")),
      from_gbk_(IsOpen(to_gbk_) ? iconv_open("UTF-8", gbk_codeset) : to_gbk_) {
  if (!IsOpen(from_gbk_)) opening_error_ = errno;
}

IconvGbk::~IconvGbk() {
  if (IsOpen(to_gbk_)) iconv_close(to_gbk_);
  if (IsOpen(from_gbk_)) iconv_close(from_gbk_);
}

// The system's converter skips tag characters without a word, which would empty a text
// of nothing else; like every other character GBK cannot hold, each becomes "?".
std::string IconvGbk::FromUtf8(std::string_view utf8) {
  const std::scoped_lock lock(converting_);
  std::string gbk = Reserved(utf8);
  size_t start = 0;
  for (size_t at = 0; at < utf8.size(); ++at) {
    if (!StartsWithTagCharacter(utf8.substr(at))) continue;
    Append(to_gbk_, utf8.substr(start, at - start), true, gbk);
    gbk += kReplacement;
    start = at + 4;
    at += 3;
  }
  Append(to_gbk_, utf8.substr(start), true, gbk);
  return gbk;
}

std::string IconvGbk::ToUtf8(std::string_view gbk) {
  const std::scoped_lock lock(converting_);
  std::string utf8 = Reserved(gbk);
  Append(from_gbk_, gbk, false, utf8);
  return utf8;
}

std::optional<std::string> IconvGbk::UnavailableReason() const {
  if (!opening_error_) return std::nullopt;
  const char* words = strerrordesc_np(*opening_error_);
  return "iconv_open " + codeset_ + ": " + (words != nullptr ? words : "?");
}

// Appends `input` converted to `output`, replacing what cannot be converted.
void IconvGbk::Append(iconv_t converter, std::string_view input, bool input_is_utf8,
                      std::string& output) {
  if (!IsOpen(converter)) {
    for (char byte : input) output += static_cast<unsigned char>(byte) < 0x80 ? byte : kReplacement;
    return;
  }
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  size_t at = 0;
  char buffer[4096];
  while (at < input.size()) {
    const size_t window = std::min(kWindow, input.size() - at);
    // iconv takes the input as char** but only reads through it.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast)
    char* in = const_cast<char*>(input.data() + at);
    size_t in_left = window;
    char* out = buffer;
    size_t out_left = sizeof buffer;
    size_t result = iconv(converter, &in, &in_left, &out, &out_left);
    int error = errno;
    output.append(buffer, out - buffer);
    at += window - in_left;
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    // A character the window's end cut off is whole in the next window.
    if (error == EINVAL && at + in_left < input.size()) continue;
    // EILSEQ (cannot convert) or EINVAL (cut off at the end): replace and go on.
    output += kReplacement;
    at += SkipLength(input, at, input_is_utf8);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
}

std::string Utf8ToGbk(std::string_view utf8) {
  return TillGbk().FromUtf8(utf8);
}

std::string GbkToUtf8(std::string_view gbk) {
  return TillGbk().ToUtf8(gbk);
}

std::optional<std::string> GbkUnavailableReason() {
  return TillGbk().UnavailableReason();
}
