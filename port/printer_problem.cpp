#include "port/printer_problem.h"

#include "port/print_progress.h"
#include "text/format.h"

namespace {

// 打印机缺纸，请装纸。
constexpr std::string_view kPaperOutText =
    "\xB4\xF2\xD3\xA1\xBB\xFA\xC8\xB1\xD6\xBD\xA3\xAC\xC7\xEB\xD7\xB0\xD6\xBD\xA1\xA3";
// 打印机未联机，请检查电源和连线。
constexpr std::string_view kOfflineText =
    "\xB4\xF2\xD3\xA1\xBB\xFA\xCE\xB4\xC1\xAA\xBB\xFA\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xB5\xE7"
    "\xD4\xB4\xBA\xCD\xC1\xAC\xCF\xDF\xA1\xA3";
// 打印机出错，请检查打印机。
constexpr std::string_view kErrorText =
    "\xB4\xF2\xD3\xA1\xBB\xFA\xB3\xF6\xB4\xED\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xB4\xF2\xD3\xA1"
    "\xBB\xFA\xA1\xA3";

// 打印机 (the span) 内没有接收任何数据
constexpr std::string_view kStallBefore = "\xB4\xF2\xD3\xA1\xBB\xFA ";
constexpr std::string_view kStallAfter =
    "\xC4\xDA\xC3\xBB\xD3\xD0\xBD\xD3\xCA\xD5\xC8\xCE\xBA\xCE\xCA\xFD\xBE\xDD";
// ，请检查是否缺纸、是否联机。
constexpr std::string_view kStallGuess =
    "\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xCA\xC7\xB7\xF1\xC8\xB1\xD6\xBD\xA1\xA2\xCA\xC7\xB7\xF1"
    "\xC1\xAA\xBB\xFA\xA1\xA3";
// 。
constexpr std::string_view kFullStop = "\xA1\xA3";

// "10 秒", "200 毫秒".
std::string Span(std::chrono::milliseconds span) {
  const auto ms = static_cast<long long>(span.count());
  return ms % 1000 == 0 ? Format("%lld \xC3\xEB", ms / 1000) : Format("%lld \xBA\xC1\xC3\xEB", ms);
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
