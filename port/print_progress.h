// Someone watching a print that the printer is slow to take. The port asks it between
// short waits whether to go on, so the one waiting (the cashier) can stop the print, and
// tells it what the port reports wrong with the printer meanwhile. The port may be running
// on a thread of its own: an implementation answers at once and never waits itself.
#pragma once

#include <chrono>
#include <optional>

#include "port/printer_problem.h"

// The longest the port waits for the printer between two questions to the watcher.
inline constexpr std::chrono::milliseconds kLongestWaitBetweenAsks{50};

class PrintProgress {
 public:
  virtual ~PrintProgress() = default;

  // Asked while the printer takes nothing, at least every kLongestWaitBetweenAsks: false
  // stops the print. A printer that takes every byte at once is never waited for.
  virtual bool KeepWaiting() = 0;
  // What the port reports is wrong with the printer it waits for; nothing once that is
  // over. Told only when it changes.
  virtual void ShowProblem(std::optional<PrinterProblem> problem) = 0;
};
