// A fuzz input read as the texts of a form: one text per line, so a seed file reads as
// one box per line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The first `count` texts of the input, split at '\n'. Texts the input runs out before
// are empty; the last one takes the rest of the input, line breaks included.
std::vector<std::string> SplitFields(const uint8_t* data, size_t size, size_t count);
