// Windows speaks UTF-16 ("wide" texts); the till speaks GBK, reached through UTF-8.
// Windows only.
#pragma once

#include <string>
#include <string_view>

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view wide);
