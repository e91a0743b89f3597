// A printer reached through device files (or any file standing in for one), on systems
// with POSIX file descriptors.
#pragma once

#include <string>
#include <vector>

#include "port/printer_port.h"

class FileSystem;

class DevicePrinter : public PrinterConnector {
 public:
  // Tries `devices` in order and prints to the first that opens. `files` is the system's
  // own file operations unless a test gives its own.
  explicit DevicePrinter(std::vector<std::string> devices, FileSystem* files = nullptr);

  PortOpening Open() override;

 private:
  int PrepareRegularFile(int fd);

  std::vector<std::string> devices_;
  FileSystem* files_;
};
