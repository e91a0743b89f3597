// A print on a thread of its own. The form's thread waits only until the port first has to
// wait for the printer (or the print is over): a printer that takes the receipt at once is
// done with before the form takes any input, as if it had printed there. Past that the form
// goes back to its events; the watcher keeps it from taking input, shows what the port
// reports, and its "取消" stops the print. The outcome comes back to the form's thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "port/printer_problem.h"
#include "receipt/print_runner.h"

// The form's side of a print that had to wait; called on the form's thread only.
class PrintWatcher {
 public:
  virtual ~PrintWatcher() = default;

  // The printer makes the print wait: from now until Finished the form takes no input.
  // `problem`: what the port has reported wrong so far.
  virtual void Waiting(std::optional<PrinterProblem> problem) = 0;
  // What the port now reports wrong; nothing once that is over.
  virtual void ShowProblem(std::optional<PrinterProblem> problem) = 0;
  // The print that waited is over; its outcome is shown next.
  virtual void Finished() = 0;
};

// Calls something on the form's thread, soon after; may be asked from any thread.
class FormThread {
 public:
  virtual ~FormThread() = default;
  virtual void Post(std::function<void()> call) = 0;
};

class BackgroundPrint : public PrintRunner {
 public:
  // Both must outlive this; whatever `form` has not yet called when this goes is dropped.
  BackgroundPrint(FormThread& form, PrintWatcher& watcher) : form_(&form), watcher_(&watcher) {}
  BackgroundPrint(const BackgroundPrint&) = delete;
  BackgroundPrint& operator=(const BackgroundPrint&) = delete;
  // A print still running is stopped, and its end waited for.
  ~BackgroundPrint() override = default;

  // One print at a time: a job given while one runs is not run.
  void Run(Job job, Done done) override;
  // From Run until its `done` has returned.
  bool Running() const { return running_; }
  // Stops the print running, as soon as the port next asks.
  void Cancel() { thread_.request_stop(); }

 private:
  class Progress;
  // What the print's thread and the form's share, under `mutex`.
  struct Shared {
    std::mutex mutex;
    std::condition_variable news;
    bool waiting = false;      // the port had to wait
    bool handed_over = false;  // the form's thread is back at its events: news is posted
    std::optional<PrinterProblem> problem;
    std::optional<PrintOutcome> outcome;
  };

  void Print(const Job& job, const std::stop_token& stop);
  void Finish();

  FormThread* form_;
  PrintWatcher* watcher_;
  Done done_;
  bool running_ = false;
  bool watched_ = false;  // the watcher was told the print waits
  Shared shared_;
  std::jthread thread_;  // last: joined before anything it uses goes
};
