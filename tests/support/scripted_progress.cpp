#include "tests/support/scripted_progress.h"

bool ScriptedProgress::KeepWaiting() {
  if (events_ != nullptr) events_->push_back("ask");
  return asks++ < waits_allowed;
}

void ScriptedProgress::Finished() {
  if (events_ != nullptr) events_->push_back("finished");
  ++finishes;
}
