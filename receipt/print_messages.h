// What the till says to the cashier when something went wrong: every message made from a
// typed outcome is made here, from the till's texts (text/till_texts.txt). Advice for
// whoever mends the machine is here too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "port/printer_failure.h"
#include "port/printer_problem.h"
#include "receipt/print_job.h"

// The message for a print: its first line says what happened, the second why; empty when
// the receipt printed. GBK.
std::string PrintMessage(const PrintOutcome& outcome);

// What the port reports wrong with the printer while the print waits, and what to do. GBK.
std::string_view ProblemText(PrinterProblem problem);

// Why one device failed: "/dev/lp0: " and the reason, the system's words in brackets (for a
// failure of no device, the reason alone). GBK.
std::string FailureReason(const PrinterFailure& failure);

// Said at start when the system cannot convert to GBK, for `reason` (the system's words):
// the cashier's line, then the installer's. UTF-8, since GBK is what is missing.
std::string NoGbkMessage(std::string_view reason);
