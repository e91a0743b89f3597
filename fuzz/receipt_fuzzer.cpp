// The whole Print command over a form holding any texts, printing to a recording
// printer. The input is the form, one box per line: cashier, receipt number, date, time,
// amount received, the period's two parts, then rows 1 to 6 as goods, quantity and
// price. A goods line "0" to "5" picks that goods, an empty one picks nothing, any other
// text is put on the picker's list and picked.
//
// Checked: the command refuses exactly when a check fails (no row, no cashier, no amount
// received, an amount beyond a double's range), with that check's message and the focus
// on the box to correct; otherwise one receipt is written that starts with the title and ends with
// the feed, holds one item line per counted row and every other line as the layout fixes it, with
// money that adds up. No box changes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/total_command.h"
#include "fuzz/fields.h"
#include "fuzz/receipt_checks.h"
#include "fuzz/reference_readings.h"
#include "fuzz/require.h"
#include "receipt/print_command.h"
#include "tests/support/expected_receipt.h"
#include "tests/support/fake_form.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_progress.h"

namespace {

// Pieces besides the item lines: six before them, ten after.
constexpr size_t kPiecesBeforeItems = 6;
constexpr size_t kFixedPieces = 16;

enum Field : size_t {
  kCashier,
  kNumber,
  kDate,
  kTime,
  kReceived,
  kPeriod1,
  kPeriod2,
  kFirstRow,
  kFieldCount = kFirstRow + 3 * size_t{kItemRowCount}
};

struct TypedRow {
  std::string goods;  // the goods picked, "" when none
  std::string quantity;
  std::string price;
};

struct TypedForm {
  std::vector<std::string> fields;
  std::vector<TypedRow> rows;
};

// Puts the typed goods line of one row into its picker.
std::string PickGoods(FakeForm& form, int picker, const std::string& typed) {
  if (typed.empty()) return "";
  const bool listed = typed.size() == 1 && typed[0] >= '0' && typed[0] < '0' + int(kGoods.size());
  if (!listed) form.AddItem(picker, typed);
  const int index = listed ? typed[0] - '0' : int(kGoods.size());
  form.Pick(picker, index);
  return form.Items(picker).at(static_cast<size_t>(index));
}

TypedForm Type(FakeForm& form, const uint8_t* data, size_t size) {
  TypedForm typed;
  typed.fields = SplitFields(data, size, kFieldCount);
  form.FillPickers();
  const int boxes[] = {IDC_CASHIER,  IDC_RECEIPTNO, IDC_DATE,   IDC_TIME,
                       IDC_RECEIVED, IDC_PERIOD1,   IDC_PERIOD2};
  for (size_t field = 0; field < kFirstRow; ++field)
    form.SetText(boxes[field], typed.fields[field]);
  for (size_t row = 0; row < kItemRowCount; ++row) {
    const ItemRow& ids = kItemRows[row];
    const size_t first = kFirstRow + 3 * row;
    const std::string& quantity = typed.fields[first + 1];
    const std::string& price = typed.fields[first + 2];
    form.SetText(ids.quantity, quantity);
    form.SetText(ids.price, price);
    typed.rows.push_back({PickGoods(form, ids.goods, typed.fields[first]), quantity, price});
  }
  return typed;
}

struct Sum {
  size_t rows = 0;  // the leading rows that count
  double total = 0.0;
};

// The rows that count, by the rule: goods picked, a quantity that reads as anything but
// 0, a unit price of at least 0.001; the first that does not ends the run. Their total
// may leave a double's range.
Sum CountedRows(const std::vector<TypedRow>& rows) {
  Sum sum;
  for (const TypedRow& row : rows) {
    const int32_t quantity = ReferenceWholeNumber(row.quantity);
    const double price = ReferenceDecimal(row.price);
    if (row.goods.empty() || quantity == 0 || !(price >= 0.001)) break;
    ++sum.rows;
    sum.total += static_cast<double>(quantity) * price;
  }
  return sum;
}

// A total the box shows: "%.2f", which is "inf", "-inf" or "nan" beyond a double's range.
void CheckTotalBox(const std::string& shown, double total) {
  if (std::isfinite(total)) {
    CheckMoney(shown, total, "the total box shows the total of the counted rows");
  } else {
    Require(shown == "inf" || shown == "-inf" || shown == "nan" || shown == "-nan",
            "a total beyond a double's range shows as printf writes it");
  }
}

// A money line: its label, the amount to the cent, CR LF. Returns the amount printed.
double CheckMoneyLine(std::string_view line, std::string_view label, double value,
                      const char* property) {
  Require(line.starts_with(label) && line.ends_with(kCrLf), property);
  const std::string_view money =
      line.substr(label.size(), line.size() - label.size() - kCrLf.size());
  CheckMoney(money, value, property);
  return std::strtod(std::string(money).c_str(), nullptr);
}

void CheckReceipt(const TypedForm& typed, const Sum& sum, const std::vector<std::string>& pieces) {
  const size_t counted = sum.rows;
  Require(pieces.size() == kFixedPieces + counted, "one piece per line part, one per counted row");
  Require(pieces.front() == kTitle, "the receipt starts with the title");
  Require(pieces.back() == kExpectedFeed, "the receipt ends with the feed");
  Require(pieces[1] == kExpectedSeparator && pieces[4] == kExpectedSeparator &&
              pieces[5] == kColumnHeader,
          "separators and column header where the layout puts them");
  const std::vector<std::string>& f = typed.fields;
  Require(pieces[2] == std::string(kCashierLabel) + f[kCashier] + std::string(kNumberLabel) +
                           f[kNumber] + std::string(kCrLf),
          "the cashier line carries the cashier and the receipt number as typed");
  const DateTimeTexts moment = ExpectedDateTime(f[kDate], f[kTime]);
  Require(pieces[3] == std::string(kDateLabel) + moment.date + std::string(kTimeLabel) +
                           moment.time + std::string(kCrLf),
          "the date line carries the normalised date and time");

  double printed_sum = 0.0;
  for (size_t row = 0; row < counted; ++row) {
    const TypedRow& each = typed.rows[row];
    printed_sum +=
        CheckItemLine(pieces[kPiecesBeforeItems + row], each.goods, each.quantity, each.price);
  }
  // The pieces after the item lines.
  const auto after = [&pieces, counted](size_t index) -> const std::string& {
    return pieces[kPiecesBeforeItems + counted + index];
  };
  Require(after(0) == kExpectedSeparator, "a separator after the item lines");
  const double printed_total = CheckMoneyLine(after(1), kTotalLabel, sum.total, "the total line");
  Require(std::fabs(printed_total - printed_sum) <=
              0.005 * double(counted + 1) + std::fabs(printed_total) * 1e-12,
          "the item lines add up to the total");
  const double received = ReferenceDecimal(f[kReceived]);
  CheckMoneyLine(after(2), kReceivedLabel, received, "the received line");
  CheckMoneyLine(after(3), kCashLabel, received, "the cash line");
  CheckMoneyLine(after(4), kChangeLabel, received - sum.total, "the change line");
  Require(after(5) == std::string(kPeriodLabel) + f[kPeriod1] && after(6) == kPeriodGap &&
              after(7) == f[kPeriod2] + std::string(kCrLf) && after(8) == kCrLf,
          "the period line: label, first part, seven zero bytes, second part, CR LF");
}

struct Refusal {
  std::string_view message;  // "" when the form may print
  int focus = 0;             // the box the focus goes to
};

// The box to correct when an amount the receipt shows is beyond a double's range: the
// quantity of the row that takes the running total out, else the amount received when
// the change is out; none when every amount is a number.
std::optional<int> OutOfRangeBox(const TypedForm& typed, const Sum& sum) {
  double running = 0.0;
  for (size_t row = 0; row < sum.rows; ++row) {
    const TypedRow& each = typed.rows[row];
    running +=
        static_cast<double>(ReferenceWholeNumber(each.quantity)) * ReferenceDecimal(each.price);
    if (!std::isfinite(running)) return kItemRows[row].quantity;
  }
  if (!std::isfinite(ReferenceDecimal(typed.fields[kReceived]) - sum.total)) return IDC_RECEIVED;
  return std::nullopt;
}

// The first check the form fails, in the order the command checks.
Refusal ExpectedRefusal(const TypedForm& typed, const Sum& sum) {
  if (sum.rows == 0) return {kNoItemsMessage, kItemRows[0].goods};
  if (typed.fields[kCashier].empty()) return {kNoCashierMessage, IDC_CASHIER};
  if (typed.fields[kReceived].empty()) return {kNoReceivedMessage, IDC_RECEIVED};
  if (const std::optional<int> box = OutOfRangeBox(typed, sum))
    return {kAmountOutOfRangeMessage, *box};
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeForm form;
  const TypedForm typed = Type(form, data, size);
  TotalCommand total(form);
  RecordingPrinter printer;
  ScriptedProgress progress;
  InlinePrint runner(progress);
  PrintCommand print(form, total, printer, runner);
  total.OnTotal();
  const FakeForm::Boxes before = form.Contents();
  print.OnPrint();

  const Sum sum = CountedRows(typed.rows);
  Require(total.ItemCount() == int32_t(sum.rows), "the rows that count are the leading valid ones");
  CheckTotalBox(form.GetText(IDC_TOTAL), sum.total);
  Require(form.Contents() == before, "printing changes no box");
  const Refusal refusal = ExpectedRefusal(typed, sum);
  if (!refusal.message.empty()) {
    Require(form.messages == std::vector<std::string>{std::string(refusal.message)} &&
                form.focus == std::vector<int>{refusal.focus} && printer.opens == 0 &&
                !form.IsDisabled(IDC_PASSPHRASE),
            "a form that fails a check gets that check's message, the focus goes to the box "
            "to correct, and nothing is locked or printed");
    return 0;
  }
  Require(form.messages.empty() && printer.opens == 1 && printer.closes == 1,
          "a form that passes the checks prints once, silently");
  Require(form.IsDisabled(IDC_PASSPHRASE), "printing locks the passphrase");
  CheckReceipt(typed, sum, printer.writes);
  return 0;
}
