// A printer reached through device files (or any file standing in for one), on systems
// with POSIX file descriptors.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "port/printer_port.h"

class FileSystem;

class DevicePrinter : public PrinterConnector {
 public:
  // Tries `devices` in order and prints to the first that opens. `files` is the system's
  // own file operations unless a test gives its own.
  explicit DevicePrinter(std::vector<std::string> devices,
                         std::chrono::milliseconds stall_timeout = kPrinterStallTimeout,
                         FileSystem* files = nullptr);

  PortOpening Open() override;

 private:
  std::optional<std::string> PrepareRegularFile(int fd, const std::string& path);

  std::vector<std::string> devices_;
  std::chrono::milliseconds stall_timeout_;
  FileSystem* files_;
};
