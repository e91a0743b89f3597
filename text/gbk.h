// Texts inside the till are byte strings in GBK (code page 936): an ASCII character takes
// one byte, a Chinese character two, and every length is a byte count. The widgets speak
// Unicode, so texts cross between the two encodings here and nowhere else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Converts UTF-8 to GBK. A character GBK cannot hold, or a byte that is not valid UTF-8,
// becomes "?"; the rest of the text is kept, so a text is never emptied or cut short.
std::string Utf8ToGbk(std::string_view utf8);

// Converts GBK to UTF-8. A byte that does not start a valid GBK character becomes "?".
std::string GbkToUtf8(std::string_view gbk);

// Why the system cannot convert between UTF-8 and GBK, in the system's own words (ASCII);
// nothing when it can. Without the conversion every Chinese character would print as "?",
// so the till asks this at start and does not open the form.
std::optional<std::string> GbkUnavailableReason();
