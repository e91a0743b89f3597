#include "port/printer_wait.h"

void PrinterWait::TookBytes(TimePoint now) {
  quiet_since_ = news_at_ = now;
  if (!problem_) return;
  problem_.reset();
  progress_.ShowProblem({});
}

void PrinterWait::Reported(std::optional<PrinterProblem> problem, TimePoint now) {
  // The stall timeout counts from the end of a problem the print waited out.
  if (WaitingOutProblem()) quiet_since_ = now;
  news_at_ = now;
  if (problem == problem_) return;
  problem_ = problem;
  progress_.ShowProblem(problem ? ProblemText(*problem) : std::string_view());
}

std::optional<std::string> PrinterWait::Stalled(std::string_view device, TimePoint now) const {
  if (WaitingOutProblem() || now - quiet_since_ < stall_timeout_) return std::nullopt;
  return StallReason(device, stall_timeout_, problem_);
}

std::optional<std::string> PrinterWait::AskWatcher() {
  if (progress_.KeepWaiting()) return std::nullopt;
  return CancelledReason(problem_);
}
