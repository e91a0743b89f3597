// Under Wine, the file the test run maps the Windows program's LPT1 to
// (RECEIPT_WINE_LPT1, read by scripts/wine-run when it starts the program).
#pragma once

#include <optional>
#include <string>

// The file as a Windows path; empty when the run left LPT1 unmapped; nothing when the
// program runs outside a run that maps it (or outside Wine).
std::optional<std::string> WineLpt1File();
