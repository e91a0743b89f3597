#include "tests/support/scripted_progress.h"

#include "receipt/print_messages.h"

bool ScriptedProgress::KeepWaiting() {
  if (events_ != nullptr) events_->push_back("ask");
  return asks++ < waits_allowed;
}

void ScriptedProgress::ShowProblem(std::optional<PrinterProblem> problem) {
  const std::string text(problem ? ProblemText(*problem) : std::string_view());
  if (events_ != nullptr) events_->push_back("problem:" + text);
  problems.push_back(text);
}
