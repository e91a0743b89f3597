#include "receipt/background_print.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The form's thread as a queue the test empties itself, waiting for what the print's
// thread posts rather than for a time.
class QueuedFormThread : public FormThread {
 public:
  void Post(std::function<void()> call) override {
    const std::scoped_lock lock(mutex_);
    calls_.push_back(std::move(call));
    posted_.notify_all();
  }
  // Runs the posted calls until `done` holds, waiting for more while it does not.
  void RunUntil(const std::function<bool()>& done) {
    while (!done()) {
      std::unique_lock lock(mutex_);
      posted_.wait(lock, [this] { return !calls_.empty(); });
      std::function<void()> call = std::move(calls_.front());
      calls_.pop_front();
      lock.unlock();
      call();
    }
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> calls_;
};

class RecordingWatcher : public PrintWatcher {
 public:
  void Waiting(std::optional<PrinterProblem> problem) override {
    events.push_back(problem ? "waiting, problem told" : "waiting");
  }
  void ShowProblem(std::optional<PrinterProblem> problem) override {
    events.push_back(problem ? "problem" : "problem over");
  }
  void Finished() override { events.emplace_back("finished"); }

  std::vector<std::string> events;
};

class BackgroundPrintTest : public testing::Test {
 protected:
  PrintRunner::Done Record() {
    return [this](const PrintOutcome& outcome) {
      outcomes_.push_back(outcome);
      EXPECT_TRUE(print_.Running()) << "a second print could start while the message shows";
    };
  }

  QueuedFormThread form_;
  RecordingWatcher watcher_;
  BackgroundPrint print_{form_, watcher_};
  std::vector<PrintOutcome> outcomes_;
};

// A printer that takes the receipt at once: done with before Run returns, the form never
// told to wait.
TEST_F(BackgroundPrintTest, PrintThatNeverWaitsEndsBeforeTheFormTakesInput) {
  print_.Run([](PrintProgress&) { return PrintOutcome{true, {}}; }, Record());
  ASSERT_EQ(outcomes_.size(), 1u);
  EXPECT_TRUE(outcomes_[0].Printed());
  EXPECT_TRUE(watcher_.events.empty());
  EXPECT_FALSE(print_.Running());
}

// A printer that takes nothing: Run returns once the port waits, with what it reported so
// far; no second print starts meanwhile; "取消" reaches the port, and the outcome comes
// back through the form's thread after the watcher hears the print is over.
TEST_F(BackgroundPrintTest, PrintThatWaitsHandsOverToTheFormUntilCancelled) {
  print_.Run(
      [](PrintProgress& progress) {
        progress.ShowProblem(PrinterProblem::kPaperOut);
        while (progress.KeepWaiting()) std::this_thread::yield();
        progress.ShowProblem(std::nullopt);
        return PrintOutcome{true, {{PrinterFault::kCancelled, "/dev/lp0", 0, {}, {}}}};
      },
      Record());
  EXPECT_TRUE(print_.Running());
  EXPECT_EQ(watcher_.events, std::vector<std::string>{"waiting, problem told"});
  bool second_ran = false;
  print_.Run([&second_ran](PrintProgress&) { return second_ran = true, PrintOutcome{}; }, Record());
  print_.Cancel();
  form_.RunUntil([this] { return !outcomes_.empty(); });
  EXPECT_FALSE(second_ran);
  EXPECT_EQ(watcher_.events,
            (std::vector<std::string>{"waiting, problem told", "problem over", "finished"}));
  ASSERT_EQ(outcomes_.size(), 1u);
  EXPECT_EQ(outcomes_[0].failures.at(0).fault, PrinterFault::kCancelled);
  EXPECT_FALSE(print_.Running());
}

}  // namespace
