#include "tests/support/scripted_progress.h"

bool ScriptedProgress::KeepWaiting() {
  if (events_ != nullptr) events_->push_back("ask");
  return asks++ < waits_allowed;
}

void ScriptedProgress::ShowProblem(std::string_view text) {
  if (events_ != nullptr) events_->push_back("problem:" + std::string(text));
  problems.emplace_back(text);
}

void ScriptedProgress::Finished() {
  if (events_ != nullptr) events_->push_back("finished");
  ++finishes;
}
