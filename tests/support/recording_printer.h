// A printer held in memory: records every open, write and close, and fails on request,
// so the Print command can be watched from outside.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "port/printer_port.h"

class RecordingPrinter : public PrinterConnector {
 public:
  // When `events` is given, "open", "write" and "close" are appended to it as they
  // happen, so they interleave with what a FakeForm records there.
  explicit RecordingPrinter(std::vector<std::string>* events = nullptr) : events_(events) {}

  PortOpening Open() override;

  // Set-up: what the next opens, writes and closes do.
  std::optional<std::vector<PrinterFailure>> open_failures;  // the open fails with these
  // This write (from 0) fails with `write_failure`.
  std::optional<size_t> failing_write;
  PrinterFailure write_failure{PrinterFault::kSystemError, "LPT1", 5, "write error", {}};
  // This write (from 0) takes nothing and waits until the watcher says stop.
  std::optional<size_t> stalling_write;
  std::optional<PrinterFailure> close_failure;  // every close fails with this

  // What happened.
  int opens = 0;
  int closes = 0;
  std::vector<std::string> writes;  // every write attempted, failed ones included

 private:
  friend class RecordingPort;
  void Record(const char* event);

  std::vector<std::string>* events_;
};
