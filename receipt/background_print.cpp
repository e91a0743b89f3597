#include "receipt/background_print.h"

#include <exception>
#include <system_error>
#include <utility>

// The port's watcher on the print's thread: it answers at once, and posts what the form
// must hear once the form's thread has gone back to its events.
class BackgroundPrint::Progress : public PrintProgress {
 public:
  Progress(BackgroundPrint& print, std::stop_token stop) : print_(&print), stop_(std::move(stop)) {}

  bool KeepWaiting() override {
    const std::scoped_lock lock(print_->shared_.mutex);
    if (!print_->shared_.waiting) {
      print_->shared_.waiting = true;
      print_->shared_.news.notify_all();
    }
    return !stop_.stop_requested();
  }

  void ShowProblem(std::optional<PrinterProblem> problem) override {
    const std::scoped_lock lock(print_->shared_.mutex);
    print_->shared_.problem = problem;
    if (!print_->shared_.handed_over) return;
    BackgroundPrint* print = print_;
    print_->form_->Post([print, problem] { print->watcher_->ShowProblem(problem); });
  }

 private:
  BackgroundPrint* print_;
  std::stop_token stop_;
};

namespace {

// A print that could not run, or ended in something the port did not foresee: reported as
// a receipt that may be incomplete rather than as none.
PrintOutcome Unforeseen(const char* what) {
  return {true, {{PrinterFault::kSystemError, {}, 0, what, std::nullopt, true}}};
}

}  // namespace

void BackgroundPrint::Run(Job job, Done done) {
  if (running_) return;
  running_ = true;
  done_ = std::move(done);
  {
    const std::scoped_lock lock(shared_.mutex);
    shared_.waiting = shared_.handed_over = false;
    shared_.problem.reset();
    shared_.outcome.reset();
  }
  try {
    thread_ = std::jthread(
        [this, job = std::move(job)](const std::stop_token& stop) { Print(job, stop); });
  } catch (const std::system_error& error) {
    shared_.outcome = Unforeseen(error.what());
    Finish();
    return;
  }
  std::unique_lock lock(shared_.mutex);
  shared_.news.wait(lock, [this] { return shared_.waiting || shared_.outcome; });
  if (shared_.outcome) {
    lock.unlock();
    Finish();
    return;
  }
  shared_.handed_over = true;
  const std::optional<PrinterProblem> problem = shared_.problem;
  lock.unlock();
  watched_ = true;
  watcher_->Waiting(problem);
}

// On the print's thread.
void BackgroundPrint::Print(const Job& job, const std::stop_token& stop) {
  Progress progress(*this, stop);
  PrintOutcome outcome;
  try {
    outcome = job(progress);
  } catch (const std::exception& error) {
    outcome = Unforeseen(error.what());
  }
  const std::scoped_lock lock(shared_.mutex);
  shared_.outcome = std::move(outcome);
  if (shared_.handed_over) form_->Post([this] { Finish(); });
  shared_.news.notify_all();
}

// The outcome is there: the print's thread has ended (or never began) with one.
void BackgroundPrint::Finish() {
  if (thread_.joinable()) thread_.join();
  const std::optional<PrintOutcome> outcome = std::exchange(shared_.outcome, std::nullopt);
  if (std::exchange(watched_, false)) watcher_->Finished();
  const Done done = std::move(done_);
  if (outcome) done(*outcome);
  running_ = false;
}
