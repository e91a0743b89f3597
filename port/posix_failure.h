// What the system's error numbers mean for a printer reached through device files.
#pragma once

#include <optional>
#include <string>

#include "port/printer_failure.h"
#include "port/printer_problem.h"

// Why `device` could not be opened: the error's kind, errno and the system's words.
PrinterFailure OpeningFailure(const std::string& device, int error);
// Why a receipt could not be written, or the port closed. The port's state, where it explains
// a refused write (`problem`), says more than the error number.
PrinterFailure PrintingFailure(const std::string& device, int error,
                               std::optional<PrinterProblem> problem = std::nullopt);

// Errors meaning "no printer here", after which the next device is worth trying.
bool MeansNoDevice(int error);
// Write errors the printer's state may explain: paper out, offline, error.
bool MayBeProblem(int error);
// Answers of a port that has no status lines at all: a file, a pipe, a driver without the
// call. Any other failure to answer (a USB printer that did not) may pass.
bool MeansNoStatusLines(int error);
