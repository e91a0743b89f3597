#include "port/printer_problem.h"

#include "port/print_progress.h"
#include "text/format.h"
#include "text/till_texts.h"

namespace {

// "10 秒", "200 毫秒".
std::string Span(std::chrono::milliseconds span) {
  const auto ms = static_cast<long long>(span.count());
  return ms % 1000 == 0 ? Format("%lld ", ms / 1000).append(kSeconds)
                        : Format("%lld ", ms).append(kMilliseconds);
}

}  // namespace

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

std::string_view ProblemText(PrinterProblem problem) {
  switch (problem) {
    case PrinterProblem::kPaperOut:
      return kPaperOutText;
    case PrinterProblem::kOffline:
      return kOfflineText;
    case PrinterProblem::kError:
      break;
  }
  return kErrorText;
}

std::string CancelledReason(std::optional<PrinterProblem> problem) {
  std::string reason(kPrintCancelledReason);
  if (problem) reason += ProblemText(*problem);
  return reason;
}

std::string StallReason(std::string_view device, std::chrono::milliseconds timeout,
                        std::optional<PrinterProblem> problem) {
  std::string reason(device);
  reason += ": ";
  reason += kStallBefore;
  reason += Span(timeout);
  reason += kStallAfter;
  if (problem) {
    reason += kFullStop;
    reason += ProblemText(*problem);
  } else {
    reason += kStallGuess;
  }
  return reason;
}
