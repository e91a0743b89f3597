// What went wrong with the printer, as a port reports it: a kind, the device, the system's
// own error, and how far the receipt got. Ports hold no words for people; the message the
// cashier reads is made from this in one place (receipt/print_messages.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "port/printer_problem.h"

enum class PrinterFault : std::uint8_t {
  kNoDevice,        // no such device, or no printer behind it
  kNoPermission,    // the cashier's account may not write to the device
  kBusy,            // another program or till is printing to it
  kStalled,         // it took nothing for the stall limit, with no reason to wait it out
  kPaperOut,        // the port refused the write: out of paper
  kOffline,         // ... offline, switched off or not connected
  kOfflineOrError,  // ... offline or an error, and it has no status lines to say which
  kPrinterError,    // ... an error at the printer, which is not waited for
  kGoneAway,        // it went away in the middle of the receipt
  kCancelled,       // the cashier stopped the print
  kSystemError,     // anything else: the system's own words say what
};

struct PrinterFailure {
  PrinterFault fault;
  std::string device;        // "/dev/lp0", "LPT1"
  int system_error = 0;      // errno or the Windows error code; 0 when the system gave none
  std::string system_words;  // the system's text for it, GBK; empty when none
  // What the port last said was wrong with the printer, for a print that stalled or was
  // cancelled while it was being waited out.
  std::optional<PrinterProblem> state;
  bool receipt_started = false;  // some byte of this receipt reached the printer
};
