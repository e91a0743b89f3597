// What the README promises of the printer, each through the kernel's own printer drivers:
// a virtual machine with Debian's kernel, its parallel port driver lp on QEMU's parallel
// port and its USB printer driver usblp on the kernel's printer gadget, played by
// guest_printer. The till's own Print command and port print golden sales there
// (guest_print); each row compares what reached the printer with the golden receipts
// and what the cashier was shown with the texts expected.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/golden_receipt.h"
#include "text/gbk.h"

namespace {

// The machine a row boots.
enum class Machine {
  kParallel,               // a parallel printer, its driver lp loaded
  kUsb,                    // a USB printer, and the parallel driver with no port to drive
  kUsbBesideParallelPort,  // a USB printer, and a parallel port without its driver
  kNoPrinter,              // neither
};

// What of the receipts reaches the printer.
enum class Arrival {
  kAll,          // every receipt printed, whole, in order
  kFirst,        // the first receipt, whole; nothing of the others
  kPartOfFirst,  // the bytes of the first receipt the printer took before it stopped
  kNothing,
};

struct DriverCase {
  const char* name = "";
  Machine machine = Machine::kUsb;
  std::vector<std::string> sales{};  // the golden sales printed, one after another
  // guest_printer's steps, comma-separated; "take=-N" takes all but the last N bytes of
  // the first receipt.
  std::string printer{};
  Arrival arrival = Arrival::kAll;
  // What the cashier is shown, in order: "problem:" and the progress window's problem text
  // (empty once it is over), "message:" and a message box's text.
  std::vector<std::string> shown{};
  std::string second_sale{};  // printed while the first print waits for the printer
  bool stranger = false;      // the cashier's account is not in the group lp
};

void PrintTo(const DriverCase& row, std::ostream* out) {
  *out << row.name;
}

std::string Receipt(const std::string& sale) {
  const GoldenReceipt golden = ReadGoldenReceipt(sale);
  EXPECT_EQ(golden.error, "") << sale;
  return Concatenate(golden.pieces);
}

// The number of the printer's one "take=" step, counted from the start of the first
// receipt.
size_t TakenBytes(const DriverCase& row) {
  const size_t take = row.printer.find("take=");
  const long bytes = std::stol(row.printer.substr(take + 5));
  return bytes >= 0 ? bytes : Receipt(row.sales.front()).size() + bytes;
}

std::string Expected(const DriverCase& row) {
  switch (row.arrival) {
    case Arrival::kAll: {
      std::string all;
      for (const std::string& sale : row.sales) all += Receipt(sale);
      return all;
    }
    case Arrival::kFirst:
      return Receipt(row.sales.front());
    case Arrival::kPartOfFirst:
      return Receipt(row.sales.front()).substr(0, TakenBytes(row));
    case Arrival::kNothing:
      break;
  }
  return "";
}

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : ",") + word;
  return joined;
}

std::string PrinterSteps(const DriverCase& row) {
  std::string steps = row.printer;
  const size_t take = steps.find("take=-");
  if (take != std::string::npos)
    steps.replace(take, steps.find_first_of(',', take) - take,
                  "take=" + std::to_string(TakenBytes(row)));
  return steps;
}

std::string BytesOfHex(const std::string& hex) {
  std::string bytes;
  for (size_t at = 0; at + 1 < hex.size(); at += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
  return bytes;
}

// The guest's report: what the cashier was shown, readable, and what the USB printer took.
struct Report {
  std::vector<std::string> shown;
  std::string usb_printer;
  bool complete = false;  // the guest got to its end
  std::string text;       // all of it, for a failure's explanation
};

Report ReadReport(const std::filesystem::path& path) {
  Report report;
  report.text = ReadFileBytes(path.string());
  std::istringstream lines(report.text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t space = line.find(' ');
    const std::string kind = line.substr(0, space);
    const std::string hex = space == std::string::npos ? "" : line.substr(space + 1);
    if (kind == "problem" || kind == "message")
      report.shown.push_back(kind + ":" + GbkToUtf8(BytesOfHex(hex)));
    else if (kind == "usb")
      report.usb_printer = BytesOfHex(hex);
    else if (kind == "end")
      report.complete = true;
  }
  return report;
}

std::string BootCommand(const DriverCase& row, const std::filesystem::path& out) {
  const bool parallel_port =
      row.machine == Machine::kParallel || row.machine == Machine::kUsbBesideParallelPort;
  const bool usb = row.machine == Machine::kUsb || row.machine == Machine::kUsbBesideParallelPort;
  std::string command = std::string(RECEIPT_GUEST_MACHINE) + " boot " + RECEIPT_GUEST_DIR + " " +
                        out.string() + (parallel_port ? " --parallel" : "");
  command += std::string(" till_lp=") +
             (row.machine == Machine::kParallel || row.machine == Machine::kUsb ? "1" : "0");
  command += std::string(" till_usb=") + (usb ? "1" : "0");
  command += " till_sales=" + Joined(row.sales);
  if (!row.printer.empty()) command += " till_printer=" + PrinterSteps(row);
  if (!row.second_sale.empty()) command += " till_second=" + row.second_sale;
  if (row.stranger) command += " till_as=stranger";
  return command;
}

class PrinterDriverTest : public testing::TestWithParam<DriverCase> {};

TEST_P(PrinterDriverTest, ReceiptArrivesAndTheCashierIsTold) {
  const DriverCase& row = GetParam();
  const std::filesystem::path out = std::filesystem::path(RECEIPT_GUEST_DIR) / "rows" / row.name;
  const std::string command = BootCommand(row, out);
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const Report report = ReadReport(out / "report");
  ASSERT_TRUE(report.complete) << "the guest did not finish: " << report.text
                               << ReadFileBytes((out / "console").string());
  const std::string printed = row.machine == Machine::kParallel
                                  ? ReadFileBytes((out / "parallel.prn").string())
                                  : report.usb_printer;
  EXPECT_EQ(Hex(printed), Hex(Expected(row)));
  EXPECT_EQ(report.shown, row.shown);
}

// The messages, with the port's reason.
std::string WriteFailed(const std::string& reason) {
  return "message:打印机写入失败，小票可能不完整！\n/dev/usb/lp0: " + reason;
}
std::string NoPrinter(const std::string& reason) {
  return "message:没有连接打印机或者打印机端口不是LPT1！\n/dev/lp0: 找不到打印机设备。（No such "
         "file or directory）; /dev/usb/lp0: " +
         reason;
}
const std::string kPaperOut = "problem:打印机缺纸，请装纸。";
const std::string kOffline = "problem:打印机未联机，请检查电源和连线。";
const std::string kOver = "problem:";

const std::vector<std::string> kTenSales{
    "one_row",           "two_rows",           "six_rows",        "quantity_over_99",
    "negative_quantity", "empty_fields",       "unparsable_date", "received_without_digits",
    "long_cashier",      "chinese_and_non_gbk"};

std::vector<std::string> Twice(const std::vector<std::string>& sales) {
  std::vector<std::string> twice = sales;
  twice.insert(twice.end(), sales.begin(), sales.end());
  return twice;
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, PrinterDriverTest,
    testing::Values(
        DriverCase{.name = "parallel",
                   .machine = Machine::kParallel,
                   .sales = kTenSales,
                   .arrival = Arrival::kAll},
        DriverCase{.name = "usb_twenty_in_a_row",
                   .machine = Machine::kUsb,
                   .sales = Twice(kTenSales),
                   .printer = "ready,rest",
                   .arrival = Arrival::kAll},
        DriverCase{.name = "usb_slow_printer",
                   .machine = Machine::kUsb,
                   .sales = {"six_rows"},
                   .printer = "ready,slow=8",
                   .arrival = Arrival::kAll},
        DriverCase{.name = "usb_paper_out_mid_receipt",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=150,status=0x38,until-shown=1,status=0x18,rest",
                   .arrival = Arrival::kAll,
                   .shown = {kPaperOut, kOver}},
        DriverCase{.name = "usb_paper_out_in_the_last_piece",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=-10,status=0x38,until-shown=1,status=0x18,rest",
                   .arrival = Arrival::kAll,
                   .shown = {kPaperOut, kOver}},
        DriverCase{.name = "usb_offline_at_first",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "status=0x08,ready,until-shown=1,status=0x18,rest",
                   .arrival = Arrival::kAll,
                   .shown = {kOffline, kOver}},
        DriverCase{.name = "usb_offline_mid_receipt",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=150,status=0x08,until-shown=1,status=0x18,rest",
                   .arrival = Arrival::kAll,
                   .shown = {kOffline, kOver}},
        DriverCase{
            .name = "usb_error",
            .machine = Machine::kUsb,
            .sales = {"two_rows"},
            .printer = "ready,take=150,status=0x10,await=/tmp/printed",
            .arrival = Arrival::kPartOfFirst,
            .shown = {"problem:打印机出错，请检查打印机。",
                      WriteFailed("打印机 10 秒内没有接收任何数据。打印机出错，请检查打印机。")}},
        DriverCase{
            .name = "usb_stalled_without_a_reason",
            .machine = Machine::kUsb,
            .sales = {"two_rows"},
            .printer = "ready,take=150,await=/tmp/printed",
            .arrival = Arrival::kPartOfFirst,
            .shown = {WriteFailed("打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。")}},
        DriverCase{
            .name = "usb_stalled_in_the_last_piece",
            .machine = Machine::kUsb,
            .sales = {"two_rows"},
            .printer = "ready,take=-10,await=/tmp/printed",
            .arrival = Arrival::kPartOfFirst,
            .shown = {WriteFailed("打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。")}},
        DriverCase{.name = "usb_busy",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=150,mark=/tmp/stalled,await=/tmp/go,rest",
                   .arrival = Arrival::kFirst,
                   .shown = {NoPrinter("打印机正被占用，请稍后再试。（Device or resource busy）")},
                   .second_sale = "one_row"},
        DriverCase{.name = "usb_cashier_outside_group_lp",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,rest",
                   .arrival = Arrival::kNothing,
                   .shown = {NoPrinter(
                       "没有使用打印机的权限，请把收银员的账户加入 lp 组。（Permission denied）")},
                   .stranger = true},
        DriverCase{.name = "usb_unplugged_mid_receipt",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=150,unplug",
                   .arrival = Arrival::kPartOfFirst,
                   .shown = {WriteFailed(
                       "打印中途打印机断开了连接，请检查连线和电源。（No such device）")}},
        DriverCase{.name = "usb_unplugged_in_the_last_piece",
                   .machine = Machine::kUsb,
                   .sales = {"two_rows"},
                   .printer = "ready,take=-10,pause=1000,unplug",
                   .arrival = Arrival::kPartOfFirst,
                   .shown = {WriteFailed(
                       "打印中途打印机断开了连接，请检查连线和电源。（No such device）")}},
        DriverCase{.name = "usb_beside_a_parallel_port_without_driver",
                   .machine = Machine::kUsbBesideParallelPort,
                   .sales = {"two_rows", "six_rows"},
                   .printer = "ready,rest",
                   .arrival = Arrival::kAll},
        DriverCase{.name = "no_printer",
                   .machine = Machine::kNoPrinter,
                   .sales = {"two_rows"},
                   .arrival = Arrival::kNothing,
                   .shown = {NoPrinter("找不到打印机设备。（No such file or directory）")}}),
    [](const testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

}  // namespace
