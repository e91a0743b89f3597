#include "receipt/print_job.h"

#include <utility>

PrintOutcome PrintPieces(PrinterConnector& printer, const std::vector<std::string>& pieces,
                         PrintProgress& progress) {
  PortOpening opening = printer.Open();
  if (!opening.port) return {false, std::move(opening.failures)};
  PrintOutcome outcome{true, {}};
  for (const std::string& piece : pieces) {
    if (std::optional<PrinterFailure> failure = opening.port->Write(piece, progress)) {
      // The write's failure is the one worth reporting; closing only releases the port.
      opening.port->Close(progress);
      outcome.failures.push_back(std::move(*failure));
      return outcome;
    }
  }
  // The last piece may still be on its way to the printer, and a close that fails may
  // have lost what the system still held for it.
  if (std::optional<PrinterFailure> failure = opening.port->Close(progress))
    outcome.failures.push_back(std::move(*failure));
  return outcome;
}
