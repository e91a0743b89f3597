#include "receipt/print_command.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/sale_reading.h"
#include "tests/support/fake_form.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_progress.h"
#include "tests/support/typed_sale.h"
#include "text/format.h"
#include "text/gbk.h"

namespace {

struct MessageCase {
  std::string_view message;
  const char* readable;
};

TEST(PrintMessagesTest, AreTheGbkOfTheirTexts) {
  for (const MessageCase& each : {
           MessageCase{kNoItemsMessage, "请输入列表项目！"},
           MessageCase{kNoCashierMessage, "请输入收银员信息！"},
           MessageCase{kNoReceivedMessage, "请输入实收金额信息！"},
           MessageCase{kAmountOutOfRangeMessage, "金额超出范围，无法打印！"},
       }) {
    EXPECT_EQ(each.message, Utf8ToGbk(each.readable)) << each.readable;
  }
}

constexpr int kPickerOne = IDC_GOODS1;
const std::string kMungBeansLine = std::string(kMungBeans) + "              2  3.50 7.00\r\n";

std::string Message(std::string_view text) {
  return "message:" + std::string(text);
}

std::string Disabled(int id) {
  return "disable:" + std::to_string(id);
}

std::string Focused(int id) {
  return "focus:" + std::to_string(id);
}

// A sale that prints: one row of 绿豆, 2 at 3.5.
TypedSale ValidSale() {
  return {"Li", "1", "2024-03-05", "09:07:02", {{0, "2", "3.5"}}, "10", "1", "2"};
}

class PrintCommandTest : public testing::Test {
 protected:
  void Type(const TypedSale& sale) { TypeSale(form_, sale); }
  // Everything after the first `from` events.
  std::vector<std::string> EventsFrom(size_t from) const {
    return {form_.events.begin() + static_cast<std::ptrdiff_t>(from), form_.events.end()};
  }
  static std::vector<std::string> Writes(size_t count) {
    return std::vector<std::string>(count, "write");
  }
  static std::vector<std::string> Join(std::vector<std::string> first,
                                       const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
  }

  FakeForm form_;
  TotalCommand total_{form_};
  RecordingPrinter printer_{&form_.events};
  ScriptedProgress progress_{&form_.events};
  InlinePrint runner_{progress_};
  PrintCommand print_{form_, total_, printer_, runner_};
};

const TypedRow kValidRow = {0, "2", "3.5"};  // 7.00

struct RefusalCase {
  const char* name;
  std::vector<TypedRow> rows;
  const char* cashier;
  const char* received;
  std::string shown_total;  // the total box: the Total command runs before the checks
  std::string_view message;
  int focus;
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
  *out << refusal.name;
}

class PrintRefusalTest : public PrintCommandTest,
                         public testing::WithParamInterface<RefusalCase> {};

// Only the first failing check is reported; nothing is locked and the printer is not tried.
TEST_P(PrintRefusalTest, ReportsTheFirstFailingCheckAndFocusesItsBox) {
  TypedSale sale = ValidSale();
  sale.rows = GetParam().rows;
  sale.cashier = GetParam().cashier;
  sale.received = GetParam().received;
  Type(sale);
  print_.OnPrint();
  EXPECT_EQ(form_.events,
            (std::vector<std::string>{Message(GetParam().message), Focused(GetParam().focus)}));
  EXPECT_EQ(form_.GetText(IDC_TOTAL), GetParam().shown_total);
  EXPECT_FALSE(print_.PassLocked());
  EXPECT_EQ(printer_.opens, 0);
}

INSTANTIATE_TEST_SUITE_P(
    MissingInput, PrintRefusalTest,
    testing::Values(
        RefusalCase{"NoItems", {}, "", "", "0.00", kNoItemsMessage, kPickerOne},
        RefusalCase{"NoCashier", {kValidRow}, "", "", "7.00", kNoCashierMessage, IDC_CASHIER},
        RefusalCase{"NoReceived", {kValidRow}, "Li", "", "7.00", kNoReceivedMessage, IDC_RECEIVED},
        RefusalCase{"CashierOfSpacesIsFilledIn",
                    {kValidRow},
                    " ",
                    "",
                    "7.00",
                    kNoReceivedMessage,
                    IDC_RECEIVED}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// An otherwise complete sale with an amount beyond the range of a double, which would
// print as "inf" or "nan".
RefusalCase OutOfRange(const char* name, std::vector<TypedRow> rows, const char* received,
                       std::string shown_total, int focus) {
  return {name, std::move(rows), "Li", received, std::move(shown_total), kAmountOutOfRangeMessage,
          focus};
}

// The box to correct is the quantity of the row that takes the total out of range, or the
// amount received when only the change is.
INSTANTIATE_TEST_SUITE_P(
    AmountOutOfRange, PrintRefusalTest,
    testing::Values(
        OutOfRange("LineAmount", {{0, "10", "1e308"}}, "10", "inf", kItemRows[0].quantity),
        OutOfRange("LaterLineAmount", {kValidRow, {1, "2147483647", "1e300"}}, "10", "inf",
                   kItemRows[1].quantity),
        OutOfRange("Sum", {{0, "1", "1e308"}, {1, "1", "1e308"}}, "10", "inf",
                   kItemRows[1].quantity),
        // The box shows the not-a-number as this platform's printf writes it.
        OutOfRange("OppositeInfinities", {{0, "10", "1e308"}, {1, "-10", "1e308"}}, "10",
                   Format("%.2f", LineAmount(int32_t{10}, 1e308) + LineAmount(int32_t{-10}, 1e308)),
                   kItemRows[0].quantity),
        // The total is in range and shows all its 309 digits; the change is not.
        OutOfRange("Change", {{0, "-1", "1.7e308"}}, "1.7e308", Format("%.2f", -1.7e308),
                   IDC_RECEIVED)),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(PrintCommandTest, PrintsTheLargestAmountsThatStayInRange) {
  TypedSale sale = ValidSale();
  sale.rows = {{0, "1", "1e308"}, {1, "-1", "1e308"}};
  sale.received = "1.7e308";
  Type(sale);
  print_.OnPrint();
  ASSERT_EQ(printer_.writes.size(), 18u);
  EXPECT_EQ(printer_.writes[12].substr(0, 8), std::string(kChangeLabel) + "1");  // 1.7e308 in full
  EXPECT_EQ(printer_.writes[12].size(), 7u + 309u + 3u + 2u);
}

TEST_F(PrintCommandTest, PrintsQuietlyOneWritePerPieceAndCloses) {
  Type(ValidSale());
  print_.OnPrint();
  const std::vector<std::string> disabled = {Disabled(IDC_PASSPHRASE),
                                             Disabled(IDC_PASSPHRASE_LABEL), "open"};
  EXPECT_EQ(form_.events, Join(Join(disabled, Writes(17)), {"close"}));
  EXPECT_EQ(form_.messages, std::vector<std::string>{});
  ASSERT_EQ(printer_.writes.size(), 17u);
  EXPECT_EQ(printer_.writes[6], kMungBeansLine);
  EXPECT_EQ(printer_.writes[13], std::string(7, '\0'));
  EXPECT_EQ(printer_.writes[16], "\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(PrintCommandTest, LocksThePassphraseBeforeTryingAMissingPrinter) {
  printer_.open_failures = {{PrinterFault::kSystemError, "/dev/lp0", ENODEV, "No such device", {}}};
  Type(ValidSale());
  print_.OnPrint();
  const std::string shown = std::string(kNoPrinterMessage) + "\n/dev/lp0: No such device";
  EXPECT_EQ(form_.events,
            (std::vector<std::string>{Disabled(IDC_PASSPHRASE), Disabled(IDC_PASSPHRASE_LABEL),
                                      "open", Message(shown)}));
  EXPECT_TRUE(print_.PassLocked());

  // Pressed again: the same message, the lock untouched, still no focus move.
  const size_t before = form_.events.size();
  print_.OnPrint();
  EXPECT_EQ(EventsFrom(before), (std::vector<std::string>{"open", Message(shown)}));
  EXPECT_TRUE(form_.IsDisabled(IDC_PASSPHRASE));
  EXPECT_TRUE(form_.IsDisabled(IDC_PASSPHRASE_LABEL));
  EXPECT_EQ(form_.focus, std::vector<int>{});
}

TEST_F(PrintCommandTest, LocksThePassphraseOnlyOnce) {
  Type(ValidSale());
  print_.OnPrint();
  const size_t before = form_.events.size();
  print_.OnPrint();
  EXPECT_EQ(EventsFrom(before), Join(Join({"open"}, Writes(17)), {"close"}));
}

TEST_F(PrintCommandTest, PrintsTheRowsBeforeTheFirstInvalidOne) {
  TypedSale sale = ValidSale();
  sale.rows = {{0, "2", "3.5"}, {5, "1", "4"}, {kNoSelection, "", ""}, {1, "9", "9"}};
  Type(sale);
  print_.OnPrint();
  ASSERT_EQ(printer_.writes.size(), 18u);
  EXPECT_EQ(printer_.writes[6], kMungBeansLine);
  EXPECT_EQ(printer_.writes[7], std::string(kNoodles) + "              1  4.00 4.00\r\n");
  EXPECT_EQ(printer_.writes[8], "--------------------------------\r\n");
  EXPECT_EQ(printer_.writes[9], std::string(kTotalLabel) + "11.00\r\n");
}

TEST_F(PrintCommandTest, LineAmountsAddUpToTheTotal) {
  TypedSale sale = ValidSale();
  sale.rows = {{0, "2.7", "1"}, {1, "1.5", "2"}};
  Type(sale);
  print_.OnPrint();
  ASSERT_EQ(printer_.writes.size(), 18u);
  EXPECT_EQ(printer_.writes[6], std::string(kMungBeans) + "              2  1.00 2.00\r\n");
  EXPECT_EQ(printer_.writes[7], std::string(kSoybeans) + "              1  2.00 2.00\r\n");
  EXPECT_EQ(printer_.writes[9], std::string(kTotalLabel) + "4.00\r\n");
}

TEST_F(PrintCommandTest, FailedWriteStopsClosesAndSaysTheReceiptMayBeIncomplete) {
  printer_.failing_write = 3;
  printer_.write_failure = {
      PrinterFault::kSystemError, "/dev/usb/lp0", ENOSPC, "No space left on device", {}};
  Type(ValidSale());
  print_.OnPrint();
  const std::string shown =
      std::string(kWriteFailedMessage) + "\n/dev/usb/lp0: No space left on device";
  EXPECT_EQ(EventsFrom(2), Join(Join({"open"}, Writes(4)), {"close", Message(shown)}));
}

// The watcher is asked while the printer takes nothing; its "stop" ends the print at once
// and the boxes keep what was typed. A cancel is no printer failure: only a receipt of
// which part came out is said to be incomplete.
struct CancelCase {
  const char* name;
  size_t stalling_write;
  const char* readable;
};

void PrintTo(const CancelCase& row, std::ostream* out) {
  *out << row.name;
}

class PrintCancelTest : public PrintCommandTest, public testing::WithParamInterface<CancelCase> {};

TEST_P(PrintCancelTest, StoppedWaitClosesAndSaysThePrintWasCancelled) {
  printer_.stalling_write = GetParam().stalling_write;
  progress_.waits_allowed = 2;
  Type(ValidSale());
  total_.OnTotal();
  const FakeForm::Boxes before = form_.Contents();
  print_.OnPrint();
  EXPECT_EQ(EventsFrom(2),
            Join(Join(Join({"open"}, Writes(GetParam().stalling_write + 1)), {"ask", "ask", "ask"}),
                 {"close", Message(Utf8ToGbk(GetParam().readable))}));
  EXPECT_EQ(form_.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cancels, PrintCancelTest,
    testing::Values(CancelCase{"BeforeAnyByte", 0, "打印已取消。"},
                    CancelCase{"AfterPartOfTheReceipt", 3,
                               "打印已取消。\n小票只打印了一部分，请撕下已打印的部分。"}),
    [](const testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.name); });

TEST_F(PrintCommandTest, FailedCloseIsAFailedPrint) {
  printer_.close_failure = {PrinterFault::kSystemError, "/dev/lp0", EIO, "Input/output error", {}};
  Type(ValidSale());
  print_.OnPrint();
  EXPECT_EQ(printer_.writes.size(), 17u);
  EXPECT_EQ(form_.messages, std::vector<std::string>{std::string(kWriteFailedMessage) +
                                                     "\n/dev/lp0: Input/output error"});
}

TEST_F(PrintCommandTest, ReasonlessFailureShowsTheMessageAlone) {
  printer_.open_failures = std::vector<PrinterFailure>{};
  Type(ValidSale());
  print_.OnPrint();
  EXPECT_EQ(form_.messages, std::vector<std::string>{std::string(kNoPrinterMessage)});
}

TEST_F(PrintCommandTest, BoxesKeepWhatWasTyped) {
  TypedSale sale = ValidSale();
  sale.date = "2024/3/5";
  sale.time = "9:07";
  Type(sale);
  print_.OnPrint();
  ASSERT_EQ(printer_.writes.size(), 17u);
  EXPECT_EQ(printer_.writes[3],
            std::string(kDateLabel) + "2024-03-05" + std::string(kTimeLabel) + "09:07:00\r\n");
  EXPECT_EQ(form_.GetText(IDC_DATE), "2024/3/5");
  EXPECT_EQ(form_.GetText(IDC_TIME), "9:07");
  EXPECT_EQ(form_.GetText(IDC_CASHIER), "Li");
  EXPECT_EQ(form_.GetText(IDC_RECEIVED), "10");
  EXPECT_EQ(form_.GetText(kItemRows[0].quantity), "2");
  EXPECT_EQ(form_.GetText(IDC_PERIOD2), "2");
}

}  // namespace
