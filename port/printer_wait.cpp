#include "port/printer_wait.h"

#include <algorithm>

#include "port/printer_port.h"

void PrinterWait::TookBytes(TimePoint now) {
  quiet_since_ = news_at_ = now;
  pause_ = {};
  if (!problem_) return;
  problem_.reset();
  progress_->ShowProblem(std::nullopt);
}

void PrinterWait::Reported(std::optional<PrinterProblem> problem, TimePoint now) {
  // The stall limit counts from the end of a problem the print waited out.
  if (WaitingOutProblem()) quiet_since_ = now;
  news_at_ = now;
  if (problem == problem_) return;
  problem_ = problem;
  progress_->ShowProblem(problem);
}

std::optional<PrinterFailure> PrinterWait::Stalled(TimePoint now) const {
  if (WaitingOutProblem() || now - quiet_since_ < kPrinterStallTimeout) return std::nullopt;
  return Failure(PrinterFault::kStalled);
}

std::optional<PrinterFailure> PrinterWait::AskWatcher() {
  if (progress_->KeepWaiting()) return std::nullopt;
  return Failure(PrinterFault::kCancelled);
}

std::chrono::milliseconds PrinterWait::NextPause() {
  pause_ = std::clamp(pause_ * 2, std::chrono::milliseconds(1), kLongestWaitBetweenAsks);
  return pause_;
}
