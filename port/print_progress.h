// Someone watching a print that the printer is slow to take. The port asks it between
// short waits whether to go on, so the one waiting (the cashier) can stop the print and
// the program keeps answering while it waits; it is told what the port reports wrong with
// the printer meanwhile, and when the print is over.
#pragma once

#include <chrono>
#include <string_view>

// kPrintCancelledReason: the port's reason when the watcher stopped the print.
#include "text/till_texts.h"

// The longest the port waits for the printer between two questions to the watcher.
inline constexpr std::chrono::milliseconds kLongestWaitBetweenAsks{50};

class PrintProgress {
 public:
  virtual ~PrintProgress() = default;

  // Asked while the printer takes nothing, at least every kLongestWaitBetweenAsks: false
  // stops the print. A printer that takes every byte at once is never waited for.
  virtual bool KeepWaiting() = 0;
  // What the port reports is wrong with the printer it waits for, GBK: what is wrong and
  // what to do ("打印机缺纸，请装纸。"); empty once that is over. Told only when it changes.
  virtual void ShowProblem(std::string_view text) = 0;
  // The print is over, whatever its outcome, and nothing about it has been shown yet.
  virtual void Finished() = 0;
};
