#include "bench/startup/child_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

std::optional<pid_t> StartProgram(const std::string& path, std::string& error) {
  pid_t pid = 0;
  char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
  const int result = posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ);
  if (result != 0) {
    error = path + ": " + std::strerror(result);
    return std::nullopt;
  }
  return pid;
}

namespace {

double Milliseconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// The end of `pid` once it has ended: wait4 reports the child's peak resident set.
ProgramEnd Reap(pid_t pid, int options, bool& ended) {
  int status = 0;
  rusage usage{};
  pid_t reaped = wait4(pid, &status, options, &usage);
  while (reaped < 0 && errno == EINTR) reaped = wait4(pid, &status, options, &usage);
  ended = reaped != 0;
  ProgramEnd end;
  if (reaped == pid) {
    end.exited = WIFEXITED(status);
    end.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    end.peak_rss_kb = usage.ru_maxrss;
    end.cpu_ms = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
  }
  return end;
}

}  // namespace

ProgramEnd WaitForEnd(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  bool ended = false;
  while (std::chrono::steady_clock::now() < deadline) {
    ProgramEnd end = Reap(pid, WNOHANG, ended);
    if (ended) return end;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(pid, SIGKILL);
  ProgramEnd end = Reap(pid, 0, ended);
  end.exited = false;
  return end;
}
