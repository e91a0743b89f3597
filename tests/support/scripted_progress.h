// A watcher of the print that answers from a script: it lets the print wait for a given
// number of questions, then stops it, and counts what it was asked and told.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "port/print_progress.h"

class ScriptedProgress : public PrintProgress {
 public:
  // When `events` is given, "ask" and "problem:<text>" are appended to it as they happen.
  explicit ScriptedProgress(std::vector<std::string>* events = nullptr) : events_(events) {}

  bool KeepWaiting() override;
  void ShowProblem(std::optional<PrinterProblem> problem) override;

  int waits_allowed = std::numeric_limits<int>::max();  // answers "go on" this many times
  int asks = 0;
  std::vector<std::string> problems;  // the text of every problem told, "" when one was over

 private:
  std::vector<std::string>* events_;
};
