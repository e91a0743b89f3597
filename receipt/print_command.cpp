#include "receipt/print_command.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/sale_reading.h"
#include "receipt/print_messages.h"
#include "text/date_time.h"
#include "text/numbers.h"

void PrintCommand::OnPrint() {
  m_total->OnTotal();
  if (m_total->ItemCount() == 0) {
    Refuse(kNoItemsMessage, kItemRows[0].goods);
    return;
  }
  std::string cashier = m_form->GetText(IDC_CASHIER);
  if (cashier.empty()) {
    Refuse(kNoCashierMessage, IDC_CASHIER);
    return;
  }
  const std::string received = m_form->GetText(IDC_RECEIVED);
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
  m_form->ShowMessage(message);
  m_form->SetFocus(control);
}

void PrintCommand::LockPassphrase() {
  if (m_bPassLocked) return;
  m_bPassLocked = true;
  m_form->Disable(IDC_PASSPHRASE);
  m_form->Disable(IDC_PASSPHRASE_LABEL);
}

ReceiptValues PrintCommand::ReadReceiptValues(std::string cashier,
                                              const std::string& received) const {
  DateTimeTexts moment = NormaliseDateTime(m_form->GetText(IDC_DATE), m_form->GetText(IDC_TIME));
  ReceiptValues values;
  values.cashier = std::move(cashier);
  values.receipt_number = m_form->GetText(IDC_RECEIPTNO);
  values.date = std::move(moment.date);
  values.time = std::move(moment.time);
  values.items = ReceiptItems();
  values.total = m_total->Total();
  values.received = ReadDecimal(received);
  values.period1 = m_form->GetText(IDC_PERIOD1);
  values.period2 = m_form->GetText(IDC_PERIOD2);
  return values;
}

std::vector<SaleItem> PrintCommand::ReceiptItems() const {
  std::vector<SaleItem> items;
  std::ranges::transform(m_total->Sale().lines, std::back_inserter(items),
                         [](const SaleLine& line) { return line.item; });
  return items;
}

std::optional<int> PrintCommand::OutOfRangeControl(const ReceiptValues& values) const {
  // Once the running total leaves the range it stays out: the first row out is the culprit.
  const std::vector<SaleLine>& lines = m_total->Sale().lines;
  const auto out = std::ranges::find_if(
      lines, [](double subtotal) { return !std::isfinite(subtotal); }, &SaleLine::subtotal);
  if (out != lines.end()) return out->controls.quantity;
  if (!std::isfinite(values.received - values.total)) return IDC_RECEIVED;
  return std::nullopt;
}

void PrintCommand::Send(std::vector<std::string> pieces) {
  m_runner->Run([printer = m_printer, pieces = std::move(pieces)](
                    PrintProgress& progress) { return PrintPieces(*printer, pieces, progress); },
                [this](const PrintOutcome& outcome) {
                  if (const std::string message = PrintMessage(outcome); !message.empty())
                    m_form->ShowMessage(message);
                });
}
