// What a printer port can say is wrong with the printer, read from the port's status lines
// (the printer is never sent a byte to ask).
#pragma once

#include <cstdint>
#include <optional>

enum class PrinterProblem : std::uint8_t { kPaperOut, kOffline, kError };

// The status lines of a Linux printer port (LPGETSTATUS, linux/lp.h), as the parallel
// port and the USB printer drivers both give them.
inline constexpr int kLinuxPaperOut = 0x20;  // LP_POUTPA: set when out of paper
inline constexpr int kLinuxSelected = 0x10;  // LP_PSELECD: clear when offline
inline constexpr int kLinuxNoError = 0x08;   // LP_PERRORP: clear on error

// The status of a Windows parallel port (IOCTL_PAR_QUERY_INFORMATION, ntddpar.h).
inline constexpr unsigned kParallelPaperEmpty = 0x04;    // PARALLEL_PAPER_EMPTY
inline constexpr unsigned kParallelOffLine = 0x08;       // PARALLEL_OFF_LINE
inline constexpr unsigned kParallelPowerOff = 0x10;      // PARALLEL_POWER_OFF
inline constexpr unsigned kParallelNotConnected = 0x20;  // PARALLEL_NOT_CONNECTED

// What the lines say is wrong, if anything. A printer out of paper often also deselects
// itself and signals an error: paper comes first, then offline, as the drivers see it.
std::optional<PrinterProblem> ProblemOfLinuxStatus(int lines);
std::optional<PrinterProblem> ProblemOfParallelStatus(unsigned status);

// Paper out and offline are put right at the printer, and the receipt can go on where it
// stopped; a print waits for them. An error is not waited for.
bool IsWorthWaitingFor(PrinterProblem problem);
