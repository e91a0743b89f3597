#include "port/printer_problem.h"

std::optional<PrinterProblem> ProblemOfLinuxStatus(int lines) {
  if ((lines & kLinuxPaperOut) != 0) return PrinterProblem::kPaperOut;
  if ((lines & kLinuxSelected) == 0) return PrinterProblem::kOffline;
  if ((lines & kLinuxNoError) == 0) return PrinterProblem::kError;
  return std::nullopt;
}

std::optional<PrinterProblem> ProblemOfParallelStatus(unsigned status) {
  if ((status & kParallelPaperEmpty) != 0) return PrinterProblem::kPaperOut;
  if ((status & (kParallelOffLine | kParallelPowerOff | kParallelNotConnected)) != 0)
    return PrinterProblem::kOffline;
  return std::nullopt;
}

bool IsWorthWaitingFor(PrinterProblem problem) {
  return problem != PrinterProblem::kError;
}
