// Independent judges of UTF-8 and GBK text for the fuzz targets: they never replace
// anything, so they can tell whether the till's converters kept every character.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whether `bytes` are well-formed UTF-8: shortest forms only, no surrogates, nothing
// beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The whole of `bytes` converted by iconv with nothing skipped or replaced, or nothing
// when any byte cannot be converted exactly.
std::optional<std::string> StrictConvert(std::string_view bytes, const char* to, const char* from);

// Whether every character of the valid UTF-8 `utf8` has a GBK form that converts back
// to it.
bool IsGbkRepresentable(std::string_view utf8);

// Characters of valid UTF-8 and of valid GBK.
size_t CountUtf8Characters(std::string_view utf8);
size_t CountGbkCharacters(std::string_view gbk);
