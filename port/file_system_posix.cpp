#include <fcntl.h>
#include <linux/lp.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "port/file_system_posix.h"

namespace {

// Blocks SIGPIPE on this thread for one write, and swallows the signal the write raised,
// so a printer (or pipe) that goes away reports EPIPE instead of ending the program.
class SigpipeGuard {
 public:
  SigpipeGuard()
      : sigpipe_(OnlySigpipe()), blocked_(pthread_sigmask(SIG_BLOCK, &sigpipe_, &previous_) == 0) {}
  ~SigpipeGuard() {
    if (!blocked_) return;
    const int saved_errno = errno;
    sigset_t pending;
    if (sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1 &&
        sigismember(&previous_, SIGPIPE) == 0) {
      const timespec no_wait{0, 0};
      while (sigtimedwait(&sigpipe_, nullptr, &no_wait) == -1 && errno == EINTR) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    errno = saved_errno;
  }
  SigpipeGuard(const SigpipeGuard&) = delete;
  SigpipeGuard& operator=(const SigpipeGuard&) = delete;

 private:
  static sigset_t OnlySigpipe() {
    sigset_t set{};
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    return set;
  }

  sigset_t sigpipe_{};
  sigset_t previous_{};
  bool blocked_ = false;
};

// The question itself, which may wait for the printer's answer; `fd` is closed before the
// answer is given, so the port is free again by the time anyone hears it.
StatusReading AskStatusLines(int fd) {
  int lines = 0;
  const StatusReading reading =
      ioctl(fd, LPGETSTATUS, &lines) == 0 ? StatusReading{lines, 0} : StatusReading{0, errno};
  close(fd);
  return reading;
}

// Starts `work` on a thread of its own that takes none of the program's signals, and lets
// it run to its end unwatched.
template <class Work>
int StartDetached(Work work) {
  sigset_t all;
  sigfillset(&all);
  sigset_t previous;
  pthread_sigmask(SIG_BLOCK, &all, &previous);
  int error = 0;
  try {
    std::thread(std::move(work)).detach();
  } catch (const std::system_error& failure) {
    error = failure.code().value();
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return error;
}

class PosixFileSystem : public FileSystem {
 public:
  int OpenForWriting(const char* path) override {
    return open(path, O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  }

  int IsRegularFile(int fd) override {
    struct stat status {};
    if (fstat(fd, &status) != 0) return -1;
    return S_ISREG(status.st_mode) ? 1 : 0;
  }

  int LockExclusive(int fd) override { return flock(fd, LOCK_EX | LOCK_NB); }

  off_t SeekToEnd(int fd) override { return lseek(fd, 0, SEEK_END); }

  ssize_t Write(int fd, const void* data, size_t size) override {
    SigpipeGuard guard;
    return write(fd, data, size);
  }

  int WaitForRoom(int fd, std::chrono::milliseconds timeout) override {
    pollfd entry{fd, POLLOUT, 0};
    return poll(&entry, 1, static_cast<int>(timeout.count()));
  }

  int WaitUntilSent(int fd, std::chrono::milliseconds timeout) override {
    pollfd entry{fd, POLLOUT, 0};
    const int ready = poll(&entry, 1, static_cast<int>(timeout.count()));
    if (ready < 0 && errno == EINTR) return 0;
    if (ready <= 0) return ready;
    // The USB printer driver hangs up a printer unplugged; a pipe reports its reader gone
    // as an error.
    if ((entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      errno = (entry.revents & POLLERR) != 0 ? EPIPE : ENODEV;
      return -1;
    }
    return 1;
  }

  int Close(int fd) override { return close(fd); }

  std::future<StatusReading> ReadStatusLines(int fd) override {
    auto answer = std::make_shared<std::promise<StatusReading>>();
    std::future<StatusReading> reading = answer->get_future();
    const int own = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
      answer->set_value({0, errno});
      return reading;
    }
    if (const int error =
            StartDetached([own, answer] { answer->set_value(AskStatusLines(own)); })) {
      close(own);
      answer->set_value({0, error});
    }
    return reading;
  }

  void Sleep(std::chrono::milliseconds duration) override {
    timespec remaining{static_cast<time_t>(duration.count() / 1000),
                       static_cast<long>(duration.count() % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) == -1 && errno == EINTR) {
    }
  }

  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem system;
  return system;
}
