// Starting a program and waiting for its end, with what the system knows about its
// resource use.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

// Starts `path` with no arguments in the current environment; nothing when it could not
// be started (the reason is in `error`).
std::optional<pid_t> StartProgram(const std::string& path, std::string& error);

struct ProgramEnd {
  bool exited = false;   // false: it had to be killed, or waiting failed
  int status = 0;        // the exit status, when it exited
  long peak_rss_kb = 0;  // the largest resident set it ever had, in KiB
  double cpu_ms = 0;     // processor time it used, user and system, start to end
};

// Waits for the program to end, at most `timeout`; past that it is killed (and still
// waited for, so no zombie is left).
ProgramEnd WaitForEnd(pid_t pid, std::chrono::milliseconds timeout);
