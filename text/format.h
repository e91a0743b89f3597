// printf-style formatting into a std::string of whatever length the result needs.
// The pattern must be a literal of ours; texts typed by a user only ever go in as
// arguments, which the compiler checks against the pattern.
#pragma once

#include <string>

[[gnu::format(printf, 1, 2)]] std::string Format(const char* pattern, ...);
