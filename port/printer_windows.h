// The printer on Windows: the device LPT1, opened the way the system's own programs open
// a printer port.
#pragma once

#include <string>
#include <utility>

#include "port/printer_port.h"

class WindowsPrinter : public PrinterConnector {
 public:
  explicit WindowsPrinter(std::string device = "LPT1") : device_(std::move(device)) {}

  PortOpening Open() override;

 private:
  std::string device_;
};
