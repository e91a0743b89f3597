#include "fuzz/fields.h"

#include <string_view>

std::vector<std::string> SplitFields(const uint8_t* data, size_t size, size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    const size_t end = rest.find('\n');
    fields.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  if (count > 0) fields.emplace_back(rest);
  return fields;
}
