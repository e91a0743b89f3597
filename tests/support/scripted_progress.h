// A watcher of the print that answers from a script: it lets the print wait for a given
// number of questions, then stops it, and counts what it was asked and told.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "port/print_progress.h"

class ScriptedProgress : public PrintProgress {
 public:
  // When `events` is given, "ask", "problem:<text>" and "finished" are appended to it as
  // they happen.
  explicit ScriptedProgress(std::vector<std::string>* events = nullptr) : events_(events) {}

  bool KeepWaiting() override;
  void ShowProblem(std::string_view text) override;
  void Finished() override;

  int waits_allowed = std::numeric_limits<int>::max();  // answers "go on" this many times
  int asks = 0;
  int finishes = 0;
  std::vector<std::string> problems;  // every problem text told, "" when one was over

 private:
  std::vector<std::string>* events_;
};
