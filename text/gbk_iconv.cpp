#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>

#include "text/utf8.h"

namespace {

constexpr char kReplacement = '?';

// How many input bytes to drop after an unconvertible sequence at `at`: the whole UTF-8
// character when reading UTF-8, else the one byte that could not start a character.
size_t SkipLength(std::string_view input, size_t at, bool input_is_utf8) {
  return input_is_utf8 ? BrokenUtf8Length(input.substr(at)) : 1;
}

// One conversion through iconv, replacing what cannot be converted instead of failing.
// Falls back to replacing every non-ASCII byte when the converter is not available, so
// the caller always gets a text of the right shape.
std::string Convert(std::string_view input, const char* to, const char* from, bool input_is_utf8) {
  std::string output;
  output.reserve(input.size() + input.size() / 2 + 16);
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    for (char byte : input) output += static_cast<unsigned char>(byte) < 0x80 ? byte : kReplacement;
    return output;
  }
  size_t at = 0;
  char buffer[4096];
  while (at < input.size()) {
    char* in = const_cast<char*>(input.data() + at);
    size_t in_left = input.size() - at;
    char* out = buffer;
    size_t out_left = sizeof buffer;
    size_t result = iconv(cd, &in, &in_left, &out, &out_left);
    int error = errno;
    output.append(buffer, out - buffer);
    at = input.size() - in_left;
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (cannot convert) or EINVAL (cut off at the end): replace and go on.
    output += kReplacement;
    at += SkipLength(input, at, input_is_utf8);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return output;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  return Convert(utf8, "GBK", "UTF-8", true);
}

std::string GbkToUtf8(std::string_view gbk) {
  return Convert(gbk, "UTF-8", "GBK", false);
}
