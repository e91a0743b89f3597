// A watcher of the print that answers from a script: it lets the print wait for a given
// number of questions, then stops it, and counts what it was asked and told.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "port/print_progress.h"

class ScriptedProgress : public PrintProgress {
 public:
  // When `events` is given, "ask" and "finished" are appended to it as they happen.
  explicit ScriptedProgress(std::vector<std::string>* events = nullptr) : events_(events) {}

  bool KeepWaiting() override;
  void Finished() override;

  int waits_allowed = std::numeric_limits<int>::max();  // answers "go on" this many times
  int asks = 0;
  int finishes = 0;

 private:
  std::vector<std::string>* events_;
};
