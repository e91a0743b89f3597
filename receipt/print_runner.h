// How a print runs once the Print command has made the receipt: on the form's own thread
// (InlinePrint, for the tests and the tools) or on a thread of its own (BackgroundPrint, the
// program's), so that nothing the port waits for holds up the form.
#pragma once

#include <functional>

#include "port/print_progress.h"
#include "receipt/print_job.h"

class PrintRunner {
 public:
  using Job = std::function<PrintOutcome(PrintProgress&)>;
  using Done = std::function<void(const PrintOutcome&)>;

  virtual ~PrintRunner() = default;

  // Runs `job`, then `done` with its outcome, on the form's thread.
  virtual void Run(Job job, Done done) = 0;
};

// Runs the job there and then, watched by `progress`, which must outlive this.
class InlinePrint : public PrintRunner {
 public:
  explicit InlinePrint(PrintProgress& progress) : progress_(&progress) {}

  void Run(Job job, Done done) override { done(job(*progress_)); }

 private:
  PrintProgress* progress_;
};
