// What the README promises of the printer, each through the kernel's own printer drivers:
// a virtual machine with Debian's kernel, its parallel port driver lp on QEMU's parallel
// port and its USB printer driver usblp on the kernel's printer gadget, played by
// guest_printer. The till's own Print command and port print golden sales there
// (guest_print); each row compares what reached the printer with the golden receipts
// and what the cashier was shown with the texts expected.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/golden_sales.h"
#include "text/gbk.h"

namespace {

// The machine a row boots, as the boot's words: QEMU's parallel port, the drivers loaded.
constexpr const char* kParallel = "--parallel till_lp=1";
// A USB printer, beside the parallel driver with no port to drive.
constexpr const char* kUsb = "till_lp=1 till_usb=1";
// A USB printer, beside a parallel port without its driver.
constexpr const char* kUsbBesideParallelPort = "--parallel till_usb=1";
constexpr const char* kNoPrinter = "";

// What of the receipts reaches the printer.
enum class Arrival : std::uint8_t {
  kAll,          // every receipt printed, whole, in order
  kPartOfFirst,  // the bytes of the first receipt the printer took before it stopped
  kNothing,
};

struct DriverCase {
  const char* name = "";
  const char* machine = kUsb;
  std::vector<std::string> sales{"two_rows"};  // the golden sales printed, one after another
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

// The bytes of a report line's hex pairs.
std::string BytesOf(const std::string& hex) {
  return Concatenate(ParseHexDump("@\n" + hex).pieces);
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
      report.shown.push_back(kind + ":" + GbkToUtf8(BytesOf(hex)));
    else if (kind == "usb")
      report.usb_printer = BytesOf(hex);
    else if (kind == "end")
      report.complete = true;
  }
  return report;
}

std::string BootCommand(const DriverCase& row, const std::filesystem::path& out) {
  std::string command = std::string(RECEIPT_GUEST_MACHINE) + " boot " + RECEIPT_GUEST_DIR + " " +
                        out.string() + " " + row.machine + " till_sales=" + Joined(row.sales);
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
  // At most one of the two printers is there to take the receipt.
  const std::string printed = ReadFileBytes((out / "parallel.prn").string()) + report.usb_printer;
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
const std::string kUnplugged =
    WriteFailed("打印中途打印机断开了连接，请检查连线和电源。（No such device）");

// Every golden sale, `times` over.
std::vector<std::string> GoldenSaleNames(int times) {
  std::vector<std::string> names;
  for (int time = 0; time < times; ++time)
    std::ranges::transform(GoldenSales(), std::back_inserter(names),
                           [](const GoldenCase& sale) { return sale.golden; });
  return names;
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, PrinterDriverTest,
    testing::Values(
        DriverCase{.name = "parallel", .machine = kParallel, .sales = GoldenSaleNames(1)},
        DriverCase{
            .name = "usb_twenty_in_a_row", .sales = GoldenSaleNames(2), .printer = "ready,rest"},
        DriverCase{.name = "usb_slow_printer", .sales = {"six_rows"}, .printer = "ready,slow=8"},
        DriverCase{.name = "usb_paper_out_mid_receipt",
                   .printer = "ready,take=150,status=0x38,until-shown=1,status=0x18,rest",
                   .shown = {kPaperOut, kOver}},
        DriverCase{.name = "usb_paper_out_in_the_last_piece",
                   .printer = "ready,take=-10,status=0x38,until-shown=1,status=0x18,rest",
                   .shown = {kPaperOut, kOver}},
        DriverCase{.name = "usb_offline_at_first",
                   .printer = "status=0x08,ready,until-shown=1,status=0x18,rest",
                   .shown = {kOffline, kOver}},
        DriverCase{.name = "usb_offline_mid_receipt",
                   .printer = "ready,take=150,status=0x08,until-shown=1,status=0x18,rest",
                   .shown = {kOffline, kOver}},
        DriverCase{
            .name = "usb_error",
            .printer = "ready,take=150,status=0x10,await=/tmp/printed",
            .arrival = Arrival::kPartOfFirst,
            .shown = {"problem:打印机出错，请检查打印机。",
                      WriteFailed("打印机 10 秒内没有接收任何数据。打印机出错，请检查打印机。")}},
        DriverCase{
            .name = "usb_stalled_without_a_reason",
            .printer = "ready,take=150,await=/tmp/printed",
            .arrival = Arrival::kPartOfFirst,
            .shown = {WriteFailed("打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。")}},
        DriverCase{.name = "usb_busy",
                   .printer = "ready,take=150,mark=/tmp/stalled,await=/tmp/go,rest",
                   .shown = {NoPrinter("打印机正被占用，请稍后再试。（Device or resource busy）")},
                   .second_sale = "one_row"},
        DriverCase{.name = "usb_cashier_outside_group_lp",
                   .arrival = Arrival::kNothing,
                   .shown = {NoPrinter(
                       "没有使用打印机的权限，请把收银员的账户加入 lp 组。（Permission denied）")},
                   .stranger = true},
        DriverCase{.name = "usb_unplugged_mid_receipt",
                   .printer = "ready,take=150,unplug",
                   .arrival = Arrival::kPartOfFirst,
                   .shown = {kUnplugged}},
        DriverCase{.name = "usb_unplugged_in_the_last_piece",
                   .printer = "ready,take=-10,pause=1000,unplug",
                   .arrival = Arrival::kPartOfFirst,
                   .shown = {kUnplugged}},
        DriverCase{.name = "usb_beside_a_parallel_port_without_driver",
                   .machine = kUsbBesideParallelPort,
                   .sales = {"two_rows", "six_rows"},
                   .printer = "ready,rest"},
        DriverCase{.name = "no_printer",
                   .machine = kNoPrinter,
                   .arrival = Arrival::kNothing,
                   .shown = {NoPrinter("找不到打印机设备。（No such file or directory）")}}),
    [](const testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

}  // namespace
