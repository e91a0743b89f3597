// The text encoding of the product record: a GBK text written as hexadecimal, four
// upper-case digits per character. A single-byte character is "00" and its byte, a
// double-byte character its lead byte then its trail byte (销, GBK CF FA, is "CFFA").
// After the last character comes the record separator 1E ("001E").
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Ends every encoded text; it may not occur inside one.
inline constexpr char kRecordSeparator = '\x1E';

// The hexadecimal text of `gbk` followed by "001E", without a terminator. Nothing when
// `gbk` is not a sequence of whole GBK characters (a zero byte, a cut-off double-byte
// character, a byte that starts no character) or holds the separator itself.
std::optional<std::string> EncodeHexText(std::string_view gbk);

// The characters of one fixed-size field, the closing separator included: the field
// holds a hexadecimal text ended by a zero byte. Nothing when no zero byte lies within
// the field, the text is not a whole number of four-digit characters, a digit is not an
// upper-case hexadecimal digit, or a character is not one GBK can hold. Never reads
// beyond the field.
std::optional<std::string> DecodeHexText(std::span<const char> field);
