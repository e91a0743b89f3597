// The system's own file operations, with a printer port that reports a state of its own
// choosing: a named pipe stands in for a printer whose port says it is out of paper, or
// for one that does not answer the question (a USB printer that does not reply, which its
// driver gives up on after 5 s).
#pragma once

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>

#include "port/file_system_posix.h"

class ReportingFileSystem : public FileSystem {
 public:
  // Every reading of the status lines answers `answer`; none: it is not answered.
  explicit ReportingFileSystem(std::optional<StatusReading> answer) : answer_(answer) {}

  int OpenForWriting(const char* path) override { return system_->OpenForWriting(path); }
  int IsRegularFile(int fd) override { return system_->IsRegularFile(fd); }
  int LockExclusive(int fd) override { return system_->LockExclusive(fd); }
  off_t SeekToEnd(int fd) override { return system_->SeekToEnd(fd); }
  ssize_t Write(int fd, const void* data, size_t size) override {
    return system_->Write(fd, data, size);
  }
  int WaitForRoom(int fd, std::chrono::milliseconds timeout) override {
    return system_->WaitForRoom(fd, timeout);
  }
  int WaitUntilSent(int fd, std::chrono::milliseconds timeout) override {
    return system_->WaitUntilSent(fd, timeout);
  }
  int Close(int fd) override { return system_->Close(fd); }
  void Sleep(std::chrono::milliseconds duration) override { system_->Sleep(duration); }
  std::chrono::steady_clock::time_point Now() override { return system_->Now(); }

  std::future<StatusReading> ReadStatusLines(int /*fd*/) override {
    if (!answer_) {
      return std::async(std::launch::async, [] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        return StatusReading{0, EIO};
      });
    }
    std::promise<StatusReading> reading;
    reading.set_value(*answer_);
    return reading.get_future();
  }

 private:
  FileSystem* system_ = &SystemFileSystem();
  std::optional<StatusReading> answer_;
};
