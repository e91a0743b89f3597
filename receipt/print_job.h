// One receipt sent to the printer: open, every piece, close; and what became of it.
#pragma once

#include <string>
#include <vector>

#include "port/printer_port.h"

struct PrintOutcome {
  bool opened = false;  // a device opened
  // When none opened: each device tried and why. Otherwise what ended the receipt, if
  // anything did: at most one.
  std::vector<PrinterFailure> failures;

  bool Printed() const { return opened && failures.empty(); }
};

// Opens `printer`, writes each piece with one write and closes the port. A write that
// fails ends the receipt; the port is closed all the same.
PrintOutcome PrintPieces(PrinterConnector& printer, const std::vector<std::string>& pieces,
                         PrintProgress& progress);
