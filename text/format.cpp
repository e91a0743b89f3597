#include "text/format.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, pattern, measure);
  va_end(measure);
  std::string result;
  if (length > 0) {
    result.resize(static_cast<size_t>(length));
    // vsnprintf writes a terminating zero, which std::string has room for past size().
    std::vsnprintf(result.data(), result.size() + 1, pattern, args);
  }
  va_end(args);
  return result;
}
