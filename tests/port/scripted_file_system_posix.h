// A file system whose writes and status lines follow a script, on a clock that moves only
// when the port waits: short writes, interruptions, a printer with no room, out of paper
// or slow to say so, without real devices.
#pragma once

#include <cerrno>
#include <deque>
#include <future>
#include <optional>
#include <string>
#include <utility>

#include "port/file_system_posix.h"

class ScriptedFileSystem : public FileSystem {
 public:
  // What one write does: take up to `accept` bytes, or fail with `error`.
  struct Step {
    ssize_t accept;
    int error;
  };
  static Step Accept(ssize_t bytes) { return {bytes, 0}; }
  static Step Fail(int error) { return {-1, error}; }

  std::deque<Step> script;  // once empty, every write takes everything
  int open_error = 0;       // errno of every open, when not 0
  std::string written;      // everything the port wrote
  int writes = 0;
  int waits = 0;  // waits for room and sleeps, together
  int closes = 0;
  // How many waits the last write stays on its way to the printer before it arrives, and
  // the errno it then fails with (ENODEV: the printer went away), 0 when it arrived.
  int unsent_waits = 0;
  int sent_error = 0;

  // What each reading of the status lines answers, in order, the last one again and
  // again; none: the port has no status lines (ENOTTY, as a file or a pipe).
  std::deque<StatusReading> statuses;
  std::chrono::milliseconds status_delay{0};  // how long each answer takes to come
  int status_reads = 0;
  int writes_while_reading = 0;  // writes tried before the status lines were answered
  int closes_while_reading = 0;  // the port let go while a reading still held the device

  int OpenForWriting(const char*) override {
    if (open_error != 0) return Error(open_error);
    return kFd;
  }
  int IsRegularFile(int) override { return 0; }
  int LockExclusive(int) override { return 0; }
  off_t SeekToEnd(int) override { return 0; }

  ssize_t Write(int, const void* data, size_t size) override {
    // A port that keeps trying without waiting would never let the clock move; fail
    // loudly instead of hanging the test.
    if (++writes > 100000) return Error(EIO);
    if (reading_) ++writes_while_reading;
    Step step = script.empty() ? Accept(static_cast<ssize_t>(size)) : script.front();
    if (!script.empty()) script.pop_front();
    if (step.accept < 0) return Error(step.error);
    const size_t taken = std::min(size, static_cast<size_t>(step.accept));
    written.append(static_cast<const char*>(data), taken);
    return static_cast<ssize_t>(taken);
  }

  int WaitForRoom(int, std::chrono::milliseconds timeout) override {
    ++waits;
    PassTime(timeout);
    return 0;
  }
  int WaitUntilSent(int, std::chrono::milliseconds timeout) override {
    ++waits;
    if (unsent_waits > 0) {
      --unsent_waits;
      PassTime(timeout);
      return 0;
    }
    return sent_error != 0 ? Error(sent_error) : 1;
  }
  int Close(int) override {
    ++closes;
    if (reading_) ++closes_while_reading;
    return 0;
  }
  void Sleep(std::chrono::milliseconds duration) override {
    ++waits;
    PassTime(duration);
  }
  std::future<StatusReading> ReadStatusLines(int) override {
    ++status_reads;
    const StatusReading answer = statuses.empty() ? StatusReading{0, ENOTTY} : statuses.front();
    if (statuses.size() > 1) statuses.pop_front();
    reading_.emplace(Reading{{}, answer, now_ + status_delay});
    std::future<StatusReading> future = reading_->promise.get_future();
    PassTime({});
    return future;
  }
  std::chrono::steady_clock::time_point Now() override { return now_; }

 private:
  struct Reading {
    std::promise<StatusReading> promise;
    StatusReading answer;
    std::chrono::steady_clock::time_point due;
  };
  void PassTime(std::chrono::milliseconds duration) {
    now_ += duration;
    if (!reading_ || now_ < reading_->due) return;
    reading_->promise.set_value(reading_->answer);
    reading_.reset();
  }

  static constexpr int kFd = 42;
  static int Error(int error) {
    errno = error;
    return -1;
  }
  std::chrono::steady_clock::time_point now_{};
  std::optional<Reading> reading_;  // the reading not answered yet
};
