#include "port/printer_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <utility>
#include <vector>

#include "receipt/print_messages.h"
#include "tests/port/port_test_files_posix.h"
#include "tests/port/scripted_file_system_posix.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_progress.h"
#include "text/gbk.h"

namespace {

using namespace std::chrono_literals;

// The port of a printer whose writes follow `files`' script.
std::unique_ptr<PrinterPort> OpenScripted(ScriptedFileSystem& files) {
  return DevicePrinter({"/dev/lp0"}, &files).Open().port;
}

// What the cashier reads of a failure (UTF-8), "" for none: the reason naming the device,
// or for a cancel its whole message.
std::string Told(const std::optional<PrinterFailure>& failure) {
  if (!failure) return "";
  if (failure->fault == PrinterFault::kCancelled)
    return GbkToUtf8(PrintMessage({true, {*failure}}));
  return GbkToUtf8(FailureReason(*failure));
}

// Why each device tried did not open.
std::string Told(const PortOpening& opening) {
  std::string told;
  for (const PrinterFailure& failure : opening.failures)
    told.append(told.empty() ? "" : "; ").append(Told(failure));
  return told;
}

class DevicePrinterFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("device_printer_test." + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    descriptors_ = OpenDescriptors();
  }
  void TearDown() override {
    EXPECT_EQ(OpenDescriptors(), descriptors_) << "a descriptor was left open";
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
  int descriptors_ = 0;
  ScriptedProgress progress_;
};

TEST_F(DevicePrinterFileTest, AppendsEveryPieceToARegularFile) {
  const std::string path = Path("printer");
  std::ofstream(path) << "earlier receipt|";
  DevicePrinter printer({path});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << Told(opening);
  EXPECT_EQ(opening.port->Write("first|", progress_), std::nullopt);
  EXPECT_EQ(opening.port->Write(std::string("\0\0second", 8), progress_), std::nullopt);
  EXPECT_EQ(opening.port->Close(progress_), std::nullopt);
  EXPECT_EQ(ReadFileBytes(path), std::string("earlier receipt|first|\0\0second", 30));
  EXPECT_EQ(progress_.asks, 0) << "a printer that takes everything is never waited for";
}

TEST_F(DevicePrinterFileTest, NamesEveryMissingDeviceWithItsReason) {
  DevicePrinter printer({Path("lp0"), Path("usb-lp0")});
  PortOpening opening = printer.Open();
  EXPECT_EQ(opening.port, nullptr);
  EXPECT_EQ(Told(opening), Path("lp0") + ": 找不到打印机设备。（No such file or directory）; " +
                               Path("usb-lp0") +
                               ": 找不到打印机设备。（No such file or directory）");
}

TEST_F(DevicePrinterFileTest, FallsBackToTheNextDeviceWhenOneIsMissing) {
  const std::string usb = Path("usb-lp0");
  std::ofstream(usb).flush();
  DevicePrinter printer({Path("lp0"), usb});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << Told(opening);
  EXPECT_EQ(opening.port->Write("receipt", progress_), std::nullopt);
  EXPECT_EQ(opening.port->Close(progress_), std::nullopt);
  EXPECT_EQ(ReadFileBytes(usb), "receipt");
}

TEST_F(DevicePrinterFileTest, RefusesASecondReceiptWhileOneIsBeingWritten) {
  const std::string path = Path("printer");
  std::ofstream(path).flush();
  DevicePrinter printer({path});
  PortOpening first = printer.Open();
  ASSERT_NE(first.port, nullptr) << Told(first);
  PortOpening second = printer.Open();
  EXPECT_EQ(second.port, nullptr);
  EXPECT_EQ(Told(second), path + ": 打印机正被占用，请稍后再试。（Device or resource busy）");
  EXPECT_EQ(first.port->Close(progress_), std::nullopt);
  PortOpening third = printer.Open();
  EXPECT_NE(third.port, nullptr) << Told(third);
}

TEST_F(DevicePrinterFileTest, ReportsAFullDevice) {
  DevicePrinter printer({"/dev/full"});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << Told(opening);
  // /dev/full has no status lines to say why: the failure stands.
  EXPECT_EQ(Told(opening.port->Write("receipt", progress_)),
            "/dev/full: 打印机缺纸，请装纸。（No space left on device）");
}

TEST_F(DevicePrinterFileTest, ReportsAReaderThatWentAwayAndLivesOn) {
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);
  ASSERT_GE(reader, 0);
  DevicePrinter printer({fifo});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << Told(opening);
  close(reader);
  EXPECT_EQ(Told(opening.port->Write("receipt", progress_)),
            fifo + ": 打印中途打印机断开了连接，请检查连线和电源。（Broken pipe）");
}

TEST(DevicePrinterScriptTest, CompletesShortAndInterruptedWrites) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  files.script = {ScriptedFileSystem::Accept(3), ScriptedFileSystem::Fail(EINTR),
                  ScriptedFileSystem::Accept(1), ScriptedFileSystem::Fail(EAGAIN),
                  ScriptedFileSystem::Accept(0), ScriptedFileSystem::Accept(2)};
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("0123456789", progress), std::nullopt);
  EXPECT_EQ(files.written, "0123456789");
}

TEST(DevicePrinterScriptTest, WaitsWithoutSpinningThenGivesUp) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  for (int i = 0; i < 1000; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(Told(port->Write("receipt", progress)),
            "/dev/lp0: 打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。");
  // Ten seconds of waiting in steps that grow to a tenth of a second: a couple of
  // hundred attempts at most, each followed by a wait.
  EXPECT_LT(files.writes, 250);
  EXPECT_GE(files.waits, files.writes - 1);
  EXPECT_EQ(progress.asks, files.waits) << "every wait comes after asking the watcher";
}

TEST(DevicePrinterScriptTest, StopsWaitingAtOnceWhenTheWatcherSaysStop) {
  ScriptedFileSystem files;
  files.script.push_back(ScriptedFileSystem::Accept(2));
  for (int i = 0; i < 1000; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
  ScriptedProgress progress;
  progress.waits_allowed = 3;
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(Told(port->Write("receipt", progress)),
            "打印已取消。\n小票只打印了一部分，请撕下已打印的部分。");
  EXPECT_EQ(progress.asks, 4);
  EXPECT_EQ(files.waits, 3);
  EXPECT_EQ(files.writes, 5) << "no write after the watcher said stop";
  EXPECT_EQ(files.written, "re");
}

TEST(DevicePrinterScriptTest, AnyProgressRestartsTheWait) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 80; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
    files.script.push_back(ScriptedFileSystem::Accept(1));
  }
  // Each round waits nearly four seconds; all three together, over the stall limit.
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("abc", progress), std::nullopt);
  EXPECT_EQ(files.written, "abc");
}

TEST(DevicePrinterScriptTest, StopsAtTheFirstFailure) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  files.script = {ScriptedFileSystem::Accept(2), ScriptedFileSystem::Fail(EIO)};
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(Told(port->Write("receipt", progress)),
            "/dev/lp0: 打印机未联机或出错，请检查电源和连线。（Input/output error）");
  EXPECT_EQ(files.written, "re");
  EXPECT_EQ(port->Close(progress), std::nullopt);
  port.reset();
  EXPECT_EQ(files.closes, 1);
}

TEST(DevicePrinterScriptTest, DoesNotLookFurtherThanADeviceItMayNotUse) {
  ScriptedFileSystem files;
  files.open_error = EACCES;
  DevicePrinter printer({"/dev/lp0", "/dev/usb/lp0"}, &files);
  PortOpening opening = printer.Open();
  EXPECT_EQ(opening.port, nullptr);
  EXPECT_EQ(Told(opening),
            "/dev/lp0: 没有使用打印机的权限，请把收银员的账户加入 lp 组。（Permission denied）");
}

// A printer whose port reports what is wrong with it: after taking 3 bytes its writes fail
// (the parallel port) or take nothing (the USB printer, `stuck_error` 0) `stuck` times,
// then take the rest; each reading of the status lines answers `lines` after `delay`. The
// last write stays on its way to the printer for `unsent` waits of the close, then
// arrives or fails with `sent_error`.
struct ProblemCase {
  const char* name;
  int stuck_error;
  int stuck;
  std::vector<StatusReading> lines;
  int waits_allowed;
  const char* result;                 // "" when the whole receipt printed
  std::vector<std::string> problems;  // told to the watcher; "" when one was over
  std::chrono::milliseconds delay;
  int unsent;
  int sent_error;
};

ProblemCase Problem(const char* name, int stuck_error, int stuck, std::vector<StatusReading> lines,
                    int waits_allowed, const char* result, std::vector<std::string> problems,
                    std::chrono::milliseconds delay = {}, int unsent = 0, int sent_error = 0) {
  return {name,   stuck_error,         stuck, std::move(lines), waits_allowed,
          result, std::move(problems), delay, unsent,           sent_error};
}

void PrintTo(const ProblemCase& row, std::ostream* out) {
  *out << row.name;
}

class DevicePrinterProblemTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(DevicePrinterProblemTest, WaitsOutPaperAndOfflineAndNamesTheProblem) {
  const ProblemCase& row = GetParam();
  ScriptedFileSystem files;
  files.script.push_back(ScriptedFileSystem::Accept(3));
  for (int i = 0; i < row.stuck; ++i)
    files.script.push_back(row.stuck_error == 0 ? ScriptedFileSystem::Accept(0)
                                                : ScriptedFileSystem::Fail(row.stuck_error));
  files.statuses.assign(row.lines.begin(), row.lines.end());
  files.status_delay = row.delay;
  files.unsent_waits = row.unsent;
  files.sent_error = row.sent_error;
  ScriptedProgress progress;
  progress.waits_allowed = row.waits_allowed;
  std::unique_ptr<PrinterPort> port = OpenScripted(files);
  ASSERT_NE(port, nullptr);
  const std::string receipt = "0123456789";
  std::optional<PrinterFailure> result = port->Write(receipt, progress);
  const std::optional<PrinterFailure> closed = port->Close(progress);
  if (!result) result = closed;
  EXPECT_EQ(Told(result), row.result);
  EXPECT_EQ(files.written, row.stuck == 0 || *row.result == '\0' ? receipt : receipt.substr(0, 3))
      << "the printer received more or less than the receipt";
  std::vector<std::string> told;
  std::ranges::transform(progress.problems, std::back_inserter(told), GbkToUtf8);
  EXPECT_EQ(told, row.problems);
  EXPECT_EQ(files.writes_while_reading, 0) << "a write waited for the printer's answer";
  EXPECT_EQ(files.closes_while_reading, 0) << "a reading of the state outlived the port";
}

const StatusReading kPaperOut{0x38, 0};
const StatusReading kOffline{0x08, 0};
const StatusReading kError{0x10, 0};
const StatusReading kNoAnswer{0, EIO};  // the USB printer did not answer the driver
constexpr int kForever = 100000;        // writes the scripted printer allows
constexpr int kUntilStopped = 400;      // asks: far past the stall timeout
// Waits of 1, 2, 4 ... 32 ms, then of 50 ms: 235 asks take 11.5 s.
constexpr int kAsksFor11500ms = 6 + (11500 - 63) / 50;
constexpr int kAsksFor2000ms = 6 + (2000 - 63) / 50;

INSTANTIATE_TEST_SUITE_P(
    StatusLines, DevicePrinterProblemTest,
    testing::Values(
        Problem("ParallelPaperOutThenTheRest", ENOSPC, 300, {kPaperOut}, kForever, "",
                {"打印机缺纸，请装纸。", ""}),
        Problem("ParallelOfflineUntilCancelled", EIO, kForever, {kOffline}, kUntilStopped,
                "打印已取消。\n打印机未联机，请检查电源和连线。小票只打印了一部分，请撕下已打印的部"
                "分。",
                {"打印机未联机，请检查电源和连线。"}),
        // The answer takes seconds to come: the watcher is asked meanwhile, nothing written.
        Problem("UsbSlowToSayOfflineThenTheRest", 0, 400, {kOffline}, kForever, "",
                {"打印机未联机，请检查电源和连线。", ""}, 5000ms),
        Problem("ParallelErrorIsNotWaitedFor", EIO, kForever, {kError}, kForever,
                "/dev/lp0: 打印机出错，请检查打印机。（Input/output error）",
                {"打印机出错，请检查打印机。"}),
        Problem("UsbErrorStallsAndSaysSo", 0, kForever, {kError}, kForever,
                "/dev/lp0: 打印机 10 秒内没有接收任何数据。打印机出错，请检查打印机。",
                {"打印机出错，请检查打印机。"}),
        // Paper out until 3 s, then no answer while the printer still takes nothing: the
        // stall limit counts from there, so 11.5 s after the start it has not run out.
        Problem("UsbStallCountsFromTheEndOfTheProblem", 0, kForever,
                {kPaperOut, kPaperOut, kNoAnswer}, kAsksFor11500ms,
                "打印已取消。\n小票只打印了一部分，请撕下已打印的部分。",
                {"打印机缺纸，请装纸。", ""}),
        // Stopped while the printer is being asked: the port waits for the answer before
        // it lets the device go, or the next print would find it busy.
        Problem("UsbCancelledWhileAskedLetsGoAfterTheAnswer", 0, kForever, {kOffline},
                kAsksFor2000ms, "打印已取消。\n小票只打印了一部分，请撕下已打印的部分。", {},
                5000ms),
        // The USB printer driver's last write still on its way: waited for like the rest.
        Problem("UsbLastWriteSentLate", 0, 0, {kNoAnswer}, kForever, "", {}, {}, 40),
        Problem("UsbPaperOutInTheLastWriteThenTheRest", 0, 0, {kPaperOut}, kForever, "",
                {"打印机缺纸，请装纸。", ""}, {}, 400),
        Problem("UsbLastWriteNeverSentStalls", 0, 0, {kNoAnswer}, kForever,
                "/dev/lp0: 打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。", {}, {},
                kForever),
        Problem("UsbUnpluggedInTheLastWrite", 0, 0, {kNoAnswer}, kForever,
                "/dev/lp0: 打印中途打印机断开了连接，请检查连线和电源。（No such device）", {}, {},
                3, ENODEV),
        // Its transfer ended as the printer was unplugged: the printer, asked once the last
        // write is sent, is gone.
        Problem("UsbUnpluggedAsTheLastWriteEnded", 0, 0, {{0, ENODEV}}, kForever,
                "/dev/lp0: 打印中途打印机断开了连接，请检查连线和电源。（No such device）", {}, {},
                3)),
    [](const testing::TestParamInfo<ProblemCase>& info) { return std::string(info.param.name); });

}  // namespace
