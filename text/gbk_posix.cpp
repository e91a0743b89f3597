#include "text/gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "text/utf8.h"

namespace {

constexpr char kReplacement = '?';
// How much input one call of the converter gets. Before it reports a character it cannot
// convert, the system's converter works through much of the input it was handed, so a
// long text full of such characters (a pasted megabyte of emoji) would take seconds with
// the whole text handed over each time.
constexpr size_t kWindow = 256;

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

// Conversions through iconv that replace what cannot be converted instead of failing.
// Without the converter every non-ASCII byte is replaced, so the caller always gets a
// text of the right shape.
class Converter {
 public:
  Converter(const char* to, const char* from, bool input_is_utf8)
      : cd_(iconv_open(to, from)), input_is_utf8_(input_is_utf8) {}
  ~Converter() {
    if (IsOpen()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends `input` converted to `output`.
  void Append(std::string_view input, std::string& output);

 private:
  bool IsOpen() const {
    // iconv_open reports failure as the descriptor (iconv_t)-1.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast,performance-no-int-to-ptr)
    return cd_ != reinterpret_cast<iconv_t>(-1);
  }

  iconv_t cd_;
  bool input_is_utf8_;
};

void Converter::Append(std::string_view input, std::string& output) {
  if (!IsOpen()) {
    for (char byte : input) output += static_cast<unsigned char>(byte) < 0x80 ? byte : kReplacement;
    return;
  }
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
    size_t result = iconv(cd_, &in, &in_left, &out, &out_left);
    int error = errno;
    output.append(buffer, out - buffer);
    at += window - in_left;
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    // A character the window's end cut off is whole in the next window.
    if (error == EINVAL && at + in_left < input.size()) continue;
    // EILSEQ (cannot convert) or EINVAL (cut off at the end): replace and go on.
    output += kReplacement;
    at += SkipLength(input, at, input_is_utf8_);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
  }
}

std::string Reserved(std::string_view input) {
  std::string output;
  output.reserve(input.size() + input.size() / 2 + 16);
  return output;
}

}  // namespace

// The system's converter skips tag characters without a word, which would empty a text
// of nothing else; like every other character GBK cannot hold, each becomes "?".
std::string Utf8ToGbk(std::string_view utf8) {
  Converter converter("GBK", "UTF-8", true);
  std::string gbk = Reserved(utf8);
  size_t start = 0;
  for (size_t at = 0; at < utf8.size(); ++at) {
    if (!StartsWithTagCharacter(utf8.substr(at))) continue;
    converter.Append(utf8.substr(start, at - start), gbk);
    gbk += kReplacement;
    start = at + 4;
    at += 3;
  }
  converter.Append(utf8.substr(start), gbk);
  return gbk;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string utf8 = Reserved(gbk);
  Converter("UTF-8", "GBK", false).Append(gbk, utf8);
  return utf8;
}
