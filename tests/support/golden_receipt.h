// Expected receipts, written by hand as readable hex dumps (tests/receipt/golden/*.hex).
//
// The dump format: "#" starts a comment running to the end of the line; a line starting
// with "@" begins the next piece (one write), the rest of that line naming it; every other
// word is one byte as two hex digits, or "XX*N" for N bytes of XX.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct GoldenReceipt {
  std::vector<std::string> pieces;
  std::string error;  // why the dump could not be read; empty when it was
};

// Reads the dump of the given text.
GoldenReceipt ParseHexDump(std::string_view dump);

// Reads tests/receipt/golden/<name>.hex.
GoldenReceipt ReadGoldenReceipt(std::string_view name);

// All pieces in one byte stream, as the printer receives them.
std::string Concatenate(const std::vector<std::string>& pieces);

// Bytes as upper-case hex pairs separated by spaces, so a failing comparison shows which
// byte differs.
std::string Hex(std::string_view bytes);
std::vector<std::string> Hex(const std::vector<std::string>& pieces);
