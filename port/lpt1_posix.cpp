#include "port/lpt1.h"
#include "port/printer_posix.h"

std::unique_ptr<PrinterConnector> MakeLpt1Connector() {
  // The first parallel port; where the machine has none, the first USB printer.
  return std::make_unique<DevicePrinter>(std::vector<std::string>{"/dev/lp0", "/dev/usb/lp0"});
}
