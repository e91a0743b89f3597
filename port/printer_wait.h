// One write's wait for a printer that takes nothing, kept the same way by every system's
// port: what the watcher is told, when the printer's state is worth reading, how long to
// pause between tries, and when the print is given up. Times come from the port's clock.
//
// The wait is in one of three states:
//
//   taking ──nothing taken──▶ quiet ──kPrinterStallTimeout──▶ failure kStalled
//     ▲                        │  ▲
//     │ bytes taken            │  │ the problem is over (or the port cannot say)
//     │                        ▼  │
//     └──────────────────── waiting out: paper out or offline, however long
//
// - taking: the printer takes bytes; nothing is waited for, the pause starts short again.
// - quiet: the state is read once a second (kStateInterval); a reported error (not worth
//   waiting for) leaves the wait quiet, and the stall message then names it.
// - waiting out: the stall limit counts again from the problem's end.
// In every state but taking the watcher is asked at each turn, and "stop" ends the print
// with kCancelled. A port that reads the state away from its own thread (the USB printer
// may take seconds to answer) keeps writing out of the wait meanwhile; that is the port's.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "port/print_progress.h"
#include "port/printer_failure.h"
#include "port/printer_problem.h"

class PrinterWait {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  // A wait that has not begun, for the printer on `device`: the write just started.
  PrinterWait(PrintProgress& progress, std::string device, TimePoint now)
      : progress_(&progress), device_(std::move(device)), quiet_since_(now), news_at_(now) {}

  // The printer took bytes: whatever the port reported wrong is over.
  void TookBytes(TimePoint now);
  // The port's reading of the printer's state: what is wrong, or nothing (nothing wrong,
  // or no answer). The watcher is told when that changes.
  void Reported(std::optional<PrinterProblem> problem, TimePoint now);

  bool WaitingOutProblem() const { return problem_ && IsWorthWaitingFor(*problem_); }
  std::optional<PrinterProblem> Problem() const { return problem_; }
  // The printer has taken nothing for a while since the last news of it.
  bool StateDue(TimePoint now) const { return now - news_at_ >= kStateInterval; }

  // kStalled once the printer has taken nothing for the stall limit, no problem worth
  // waiting out being reported meanwhile; nothing while the wait goes on.
  std::optional<PrinterFailure> Stalled(TimePoint now) const;
  // Asks the watcher whether to go on: kCancelled when it says stop.
  std::optional<PrinterFailure> AskWatcher();
  // How long to pause before the next try: from 1 ms, doubling to kLongestWaitBetweenAsks.
  std::chrono::milliseconds NextPause();

  // How often the port reads the state of a printer that takes nothing: a USB printer is
  // sent a request each time, so not at every turn of the wait.
  static constexpr std::chrono::seconds kStateInterval{1};

 private:
  PrinterFailure Failure(PrinterFault fault) const { return {fault, device_, 0, {}, problem_}; }

  PrintProgress* progress_;
  std::string device_;
  TimePoint quiet_since_;  // since when the printer took nothing and had no problem to wait out
  TimePoint news_at_;      // the last bytes taken or state read
  std::optional<PrinterProblem> problem_;
  std::chrono::milliseconds pause_{0};
};
