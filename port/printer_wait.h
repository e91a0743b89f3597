// One write's wait for a printer that takes nothing, kept the same way by every system's
// port: when the printer's state is worth reading, what the watcher is told, and when the
// print is given up. Times come from the port's own clock.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "port/print_progress.h"
#include "port/printer_problem.h"

class PrinterWait {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  // A wait that has not begun: the printer has just taken bytes, or the write just started.
  PrinterWait(PrintProgress& progress, std::chrono::milliseconds stall_timeout, TimePoint now)
      : progress_(progress), stall_timeout_(stall_timeout), quiet_since_(now), news_at_(now) {}

  // The printer took bytes: whatever the port reported wrong is over.
  void TookBytes(TimePoint now);
  // The port's reading of the printer's state: what is wrong, or nothing (nothing wrong,
  // or no answer). The watcher is told when that changes.
  void Reported(std::optional<PrinterProblem> problem, TimePoint now);

  // The port reported a problem the print waits out (paper out, offline).
  bool WaitingOutProblem() const { return problem_ && IsWorthWaitingFor(*problem_); }
  std::optional<PrinterProblem> Problem() const { return problem_; }
  // The printer has taken nothing for a while since the last news of it.
  bool StateDue(TimePoint now) const { return now - news_at_ >= kStateInterval; }

  // The reason to give up once the printer has taken nothing for the stall timeout, no
  // problem worth waiting out being reported meanwhile; nothing while the wait goes on.
  std::optional<std::string> Stalled(std::string_view device, TimePoint now) const;
  // Asks the watcher whether to go on; the reason of the cancelled print when it says stop.
  std::optional<std::string> AskWatcher();

  // How often the port reads the state of a printer that takes nothing: a USB printer is
  // sent a request each time, so not at every turn of the wait.
  static constexpr std::chrono::seconds kStateInterval{1};

 private:
  PrintProgress& progress_;
  std::chrono::milliseconds stall_timeout_;
  TimePoint quiet_since_;  // since when the printer took nothing and had no problem to wait out
  TimePoint news_at_;      // the last bytes taken or state read
  std::optional<PrinterProblem> problem_;
};
