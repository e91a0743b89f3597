// The Print command ("打印"): refreshes the total, checks the form, locks the passphrase
// box the first time, and has the receipt written to the printer, one write per piece.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_interface.h"
#include "form/total_command.h"
#include "port/printer_port.h"
#include "receipt/print_runner.h"
#include "receipt/receipt_layout.h"
#include "text/till_texts.h"  // its messages: kNoItemsMessage, ...

class PrintCommand {
 public:
  // `total` is the form's Total command, run first by every print; `printer` is where
  // receipts go; `runner` runs each print (and its watcher may stop it). All four must
  // outlive the command.
  PrintCommand(FormInterface& form, TotalCommand& total, PrinterConnector& printer,
               PrintRunner& runner)
      : m_form(&form), m_total(&total), m_printer(&printer), m_runner(&runner) {}

  // Checks, in order, that an item row counts, that a cashier and that an amount received
  // were typed, and that every amount the receipt shows is a number (a product or sum
  // beyond the range of a double would print as "inf" or "nan"); the first failing check
  // is reported and its box gets the focus. Past the checks the passphrase box and its
  // label are disabled for good, before the printer is tried, and the receipt is written.
  // Nothing is shown when it printed; a printer that cannot be opened, or that fails
  // part-way, is reported with the reason (receipt/print_messages.h); so is a print the
  // watcher stopped. The boxes keep what was typed.
  void OnPrint();

  bool PassLocked() const { return m_bPassLocked; }

 private:
  // Shows why the print cannot start and moves the focus to what is missing.
  void Refuse(std::string_view message, int control);
  void LockPassphrase();
  ReceiptValues ReadReceiptValues(std::string cashier, const std::string& received) const;
  // The rows of the Total command's reading, as the receipt lists them.
  std::vector<SaleItem> ReceiptItems() const;
  // The box to correct when an amount of `values` is out of range: the quantity of the row
  // whose amount takes the running total out of range, else the amount received when the
  // change is; none when every amount prints as a number.
  std::optional<int> OutOfRangeControl(const ReceiptValues& values) const;
  // Has the runner print `pieces`; reports what went wrong once it is over.
  void Send(std::vector<std::string> pieces);

  FormInterface* m_form;
  TotalCommand* m_total;
  PrinterConnector* m_printer;
  PrintRunner* m_runner;
  bool m_bPassLocked = false;  // set by the first print past the checks, never cleared
};
