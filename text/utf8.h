// Reading UTF-8 one character at a time, strictly: overlong forms, surrogates, code points
// beyond U+10FFFF and characters cut short are not characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct Utf8Character {
  char32_t code_point;
  size_t length;  // bytes, 1 to 4
};

// The character at the start of `text`; nothing when the bytes there do not form one.
std::optional<Utf8Character> ReadUtf8Character(std::string_view text);

// How many bytes to pass over when the bytes at the start of `text` do not form a
// character: the first byte and the continuation bytes after it, so a broken character
// counts once, not once per byte.
size_t BrokenUtf8Length(std::string_view text);
