#include "receipt/print_job.h"

#include <utility>

PrintOutcome PrintPieces(PrinterConnector& printer, const std::vector<std::string>& pieces,
                         PrintProgress& progress) {
  PortOpening opening = printer.Open();
  if (!opening.port) return {false, std::move(opening.failures)};
  std::optional<PrinterFailure> failure;
  for (auto piece = pieces.begin(); !failure && piece != pieces.end(); ++piece)
    failure = opening.port->Write(*piece, progress);
  if (failure) {
    // The write's failure is the one worth reporting; closing only releases the port.
    opening.port->Close(progress);
  } else {
    // The last piece may still be on its way to the printer, and a close that fails may
    // have lost what the system still held for it.
    failure = opening.port->Close(progress);
  }
  PrintOutcome outcome{true, {}};
  if (failure) outcome.failures.push_back(std::move(*failure));
  return outcome;
}
