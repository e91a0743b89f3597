#include "receipt/print_command.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/sale_reading.h"
#include "text/date_time.h"
#include "text/numbers.h"

void PrintCommand::OnPrint() {
  m_total.OnTotal();
  if (m_total.ItemCount() == 0) {
    Refuse(kNoItemsMessage, kItemRows[0].goods);
    return;
  }
  std::string cashier = m_form.GetText(IDC_CASHIER);
  if (cashier.empty()) {
    Refuse(kNoCashierMessage, IDC_CASHIER);
    return;
  }
  const std::string received = m_form.GetText(IDC_RECEIVED);
  if (received.empty()) {
    Refuse(kNoReceivedMessage, IDC_RECEIVED);
    return;
  }
  const ReceiptValues values = ReadReceiptValues(std::move(cashier), received);
  if (const std::optional<int> control = OutOfRangeControl(values)) {
    Refuse(kAmountOutOfRangeMessage, *control);
    return;
  }
  LockPassphrase();
  Send(ComposeReceipt(values));
}

void PrintCommand::Refuse(std::string_view message, int control) {
  m_form.ShowMessage(message);
  m_form.SetFocus(control);
}

void PrintCommand::LockPassphrase() {
  if (m_bPassLocked) return;
  m_bPassLocked = true;
  m_form.Disable(IDC_PASSPHRASE);
  m_form.Disable(IDC_PASSPHRASE_LABEL);
}

ReceiptValues PrintCommand::ReadReceiptValues(std::string cashier,
                                              const std::string& received) const {
  DateTimeTexts moment = NormaliseDateTime(m_form.GetText(IDC_DATE), m_form.GetText(IDC_TIME));
  ReceiptValues values;
  values.cashier = std::move(cashier);
  values.receipt_number = m_form.GetText(IDC_RECEIPTNO);
  values.date = std::move(moment.date);
  values.time = std::move(moment.time);
  values.items = ReceiptItems();
  values.total = m_total.Total();
  values.received = ReadDecimal(received);
  values.period1 = m_form.GetText(IDC_PERIOD1);
  values.period2 = m_form.GetText(IDC_PERIOD2);
  return values;
}

std::vector<SaleItem> PrintCommand::ReceiptItems() const {
  std::vector<SaleItem> items;
  std::ranges::transform(m_total.Sale().lines, std::back_inserter(items),
                         [](const SaleLine& line) { return line.item; });
  return items;
}

std::optional<int> PrintCommand::OutOfRangeControl(const ReceiptValues& values) const {
  // Once the running total leaves the range it stays out: the first row out is the culprit.
  for (const SaleLine& line : m_total.Sale().lines)
    if (!std::isfinite(line.subtotal)) return line.controls.quantity;
  if (!std::isfinite(values.received - values.total)) return IDC_RECEIVED;
  return std::nullopt;
}

void PrintCommand::Send(const std::vector<std::string>& pieces) {
  PortOpening opening = m_printer.Open();
  if (!opening.port) {
    ShowFailure(kNoPrinterMessage, opening.error);
    return;
  }
  const std::optional<std::string> error = WriteAndClose(*opening.port, pieces);
  m_progress.Finished();
  if (error) ShowFailure(kWriteFailedMessage, *error);
}

std::optional<std::string> PrintCommand::WriteAndClose(PrinterPort& port,
                                                       const std::vector<std::string>& pieces) {
  for (const std::string& piece : pieces) {
    if (std::optional<std::string> error = port.Write(piece, m_progress)) {
      // The write's failure is the one worth reporting; closing only releases the port.
      port.Close(m_progress);
      return error;
    }
  }
  // The last piece may still be on its way to the printer, and a close that fails may
  // have lost what the system still held for it.
  return port.Close(m_progress);
}

void PrintCommand::ShowFailure(std::string_view message, const std::string& reason) {
  std::string text(message);
  if (!reason.empty()) {
    text += '\n';
    text += reason;
  }
  m_form.ShowMessage(text);
}
