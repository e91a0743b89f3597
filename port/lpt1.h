// The printer the till prints to, "LPT1". On Linux: the first parallel port, /dev/lp0, or
// where the machine has none, the first USB printer, /dev/usb/lp0. On Windows: the device
// LPT1 itself.
#pragma once

#include <memory>

#include "port/printer_port.h"

std::unique_ptr<PrinterConnector> MakeLpt1Connector();
