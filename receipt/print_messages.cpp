#include "receipt/print_messages.h"

#include "port/printer_port.h"
#include "text/till_texts.h"
#include "text/till_texts_utf8.h"

static_assert(kPrinterStallTimeout == std::chrono::seconds(10),
              "kStalledText and kStalledBecauseText name the stall limit");

namespace {

// The till's words for a fault; empty where the system's own say it all.
std::string_view FaultText(PrinterFault fault) {
  switch (fault) {
    case PrinterFault::kNoDevice:
      return kNoDeviceText;
    case PrinterFault::kNoPermission:
      return kNoPermissionText;
    case PrinterFault::kBusy:
      return kBusyText;
    case PrinterFault::kStalled:
      return kStalledText;
    case PrinterFault::kPaperOut:
      return kPaperOutText;
    case PrinterFault::kOffline:
      return kOfflineText;
    case PrinterFault::kOfflineOrError:
      return kOfflineOrErrorText;
    case PrinterFault::kPrinterError:
      return kErrorText;
    case PrinterFault::kGoneAway:
      return kGoneAwayText;
    case PrinterFault::kCancelled:
      return kCancelledMessage;
    case PrinterFault::kSystemError:
      break;
  }
  return {};
}

std::string Lines(std::string_view first, const std::string& second) {
  std::string message(first);
  if (!second.empty()) message.append("\n").append(second);
  return message;
}

// A cancel is no printer failure: what the port had reported, and whether part of the
// receipt came out and must be torn off.
std::string CancelledMessage(const PrinterFailure& failure) {
  std::string why(failure.state ? ProblemText(*failure.state) : std::string_view());
  if (failure.receipt_started) why += kCancelledIncompleteText;
  return Lines(kCancelledMessage, why);
}

}  // namespace

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

std::string FailureReason(const PrinterFailure& failure) {
  // A failure no port reported (the print's thread could not run) names no device.
  std::string reason = failure.device.empty() ? std::string() : failure.device + ": ";
  if (failure.fault == PrinterFault::kStalled && failure.state)
    return reason.append(kStalledBecauseText).append(ProblemText(*failure.state));
  const std::string_view text = FaultText(failure.fault);
  if (text.empty()) return reason + failure.system_words;
  reason += text;
  if (!failure.system_words.empty())
    reason.append(kOpenBracket).append(failure.system_words).append(kCloseBracket);
  return reason;
}

std::string PrintMessage(const PrintOutcome& outcome) {
  if (outcome.Printed()) return {};
  if (!outcome.opened) {
    std::string reasons;
    for (const PrinterFailure& failure : outcome.failures)
      reasons.append(reasons.empty() ? "" : "; ").append(FailureReason(failure));
    return Lines(kNoPrinterMessage, reasons);
  }
  const PrinterFailure& failure = outcome.failures.front();
  if (failure.fault == PrinterFault::kCancelled) return CancelledMessage(failure);
  return Lines(kWriteFailedMessage, FailureReason(failure));
}

std::string NoGbkMessage(std::string_view reason) {
  std::string message(utf8::kNoGbkMessage);
  return message.append("\n")
      .append(utf8::kNoGbkModuleText)
      .append(utf8::kOpenBracket)
      .append(reason)
      .append(utf8::kCloseBracket);
}
