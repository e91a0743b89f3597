#include "port/lpt1.h"
#include "port/printer_windows.h"

std::unique_ptr<PrinterConnector> MakeLpt1Connector() {
  return std::make_unique<WindowsPrinter>("LPT1");
}
