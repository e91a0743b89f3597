// The receipt printer as the Print command sees it: a port opened for one receipt,
// written piece by piece, then closed. The platform's port lives behind this; tests put
// their own in its place. Every failure is a PrinterFailure (port/printer_failure.h).
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "port/print_progress.h"
#include "port/printer_failure.h"

// How long a printer may accept no byte at all before the print is given up: long enough
// for a slow printer, short enough that an offline one does not freeze the till. The
// cashier's message names it (receipt/print_messages.cpp).
inline constexpr std::chrono::seconds kPrinterStallTimeout{10};

// One open connection to the printer. Destroying it closes it without a report.
class PrinterPort {
 public:
  virtual ~PrinterPort() = default;

  // Writes all of `bytes`. While the printer takes nothing, asks `progress` whether to
  // go on between short waits. Fails when the printer failed, refused or accepted nothing
  // for too long, or with kCancelled when `progress` said stop; what was written before
  // that stays written.
  virtual std::optional<PrinterFailure> Write(std::string_view bytes, PrintProgress& progress) = 0;

  // Waits until the printer has taken the last write (a driver may still be sending it
  // when Write returns), as Write waits, then closes the connection; fails on anything
  // gone wrong, a write still unsent included. After a failed write it only closes.
  virtual std::optional<PrinterFailure> Close(PrintProgress& progress) = 0;
};

// The outcome of opening the printer: a port, or why there is none.
struct PortOpening {
  std::unique_ptr<PrinterPort> port;     // null when the open failed
  std::vector<PrinterFailure> failures;  // each device tried and why it did not open
};

// The printer behind the name "LPT1".
class PrinterConnector {
 public:
  virtual ~PrinterConnector() = default;

  // Opens the printer for one receipt: exclusively, so two receipts never interleave,
  // with the write position at the end.
  virtual PortOpening Open() = 0;
};
