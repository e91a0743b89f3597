// The file operations the device printer needs, in the system's own terms: each returns
// what the system call returns and leaves the reason in errno. Tests put their own in
// place of the system's to make writes come up short, be interrupted or stall.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <future>

// A printer port's answer when asked for the printer's status lines: the lines, or the
// errno why it gave none (ENOTTY: a file or pipe, which has no such lines).
struct StatusReading {
  int lines = 0;
  int error = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // open(2) for writing without blocking, never becoming the controlling terminal.
  virtual int OpenForWriting(const char* path) = 0;
  // Whether the open file is a regular file (as opposed to a device or a pipe);
  // -1 when that cannot be found out.
  virtual int IsRegularFile(int fd) = 0;
  // Takes the exclusive lock of the whole file without waiting (flock(2)).
  virtual int LockExclusive(int fd) = 0;
  // Moves the write position to the end.
  virtual off_t SeekToEnd(int fd) = 0;
  // write(2). A write to a reader that has gone away fails with EPIPE and never raises
  // SIGPIPE.
  virtual ssize_t Write(int fd, const void* data, size_t size) = 0;
  // Waits up to `timeout` for room to write: > 0 when there may be room, 0 when the
  // time ran out, -1 on failure (poll(2)).
  virtual int WaitForRoom(int fd, std::chrono::milliseconds timeout) = 0;
  // Waits up to `timeout` for the device to have sent the last write on to the printer
  // (poll(2) reporting room): > 0 once it has, 0 while it has not, -1 on failure, with
  // ENODEV when the device went away and EPIPE when the reader did.
  virtual int WaitUntilSent(int fd, std::chrono::milliseconds timeout) = 0;
  virtual int Close(int fd) = 0;
  // Asks the port open as `fd` for the printer's status lines (LPGETSTATUS, linux/lp.h),
  // away from the calling thread, which the answer never holds up: the USB printer driver
  // passes the question on to the printer and waits up to 5 s for it. The question goes
  // through a descriptor of its own, which holds the device until the answer has come:
  // the USB printer driver lets one program open it at a time. Nothing is written to
  // the printer.
  virtual std::future<StatusReading> ReadStatusLines(int fd) = 0;

  virtual void Sleep(std::chrono::milliseconds duration) = 0;
  virtual std::chrono::steady_clock::time_point Now() = 0;
};

// The operating system's own file operations.
FileSystem& SystemFileSystem();
