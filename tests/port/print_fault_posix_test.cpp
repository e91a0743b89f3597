// The printer faults a till on Linux meets, each through the Print command of a filled-in
// form and a real device printer: the cashier is told what happened (the message and the
// printer's reason on a second line), the till lives on, no box of the form changes, and
// no descriptor is left open.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "form/control_ids.h"
#include "form/total_command.h"
#include "port/printer_posix.h"
#include "receipt/print_command.h"
#include "tests/port/port_test_files_posix.h"
#include "tests/port/scripted_file_system_posix.h"
#include "tests/support/fake_form.h"
#include "tests/support/file_bytes.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_progress.h"
#include "tests/support/typed_sale.h"
#include "text/gbk.h"

namespace {

using namespace std::chrono_literals;

// The messages, with the port's reason written readably (UTF-8).
std::string NoPrinter(const std::string& reason) {
  return std::string(kNoPrinterMessage) + "\n" + Utf8ToGbk(reason);
}

std::string WriteFailed(const std::string& reason) {
  return std::string(kWriteFailedMessage) + "\n" + Utf8ToGbk(reason);
}

// A printer that lets `fault` happen once, right after the port has written `pieces`
// pieces: the reader of a pipe going away in the middle of a receipt.
class FaultAfterPieces : public PrinterConnector {
 public:
  FaultAfterPieces(PrinterConnector& printer, size_t pieces, std::function<void()> fault)
      : printer_(&printer), pieces_(pieces), fault_(std::move(fault)) {}

  PortOpening Open() override {
    PortOpening opening = printer_->Open();
    if (opening.port) opening.port = std::make_unique<Port>(*this, std::move(opening.port));
    return opening;
  }

 private:
  class Port : public PrinterPort {
   public:
    Port(FaultAfterPieces& owner, std::unique_ptr<PrinterPort> port)
        : owner_(&owner), port_(std::move(port)) {}
    std::optional<PrinterFailure> Write(std::string_view bytes, PrintProgress& progress) override {
      if (owner_->pieces_-- == 0) owner_->fault_();
      return port_->Write(bytes, progress);
    }
    std::optional<PrinterFailure> Close(PrintProgress& progress) override {
      return port_->Close(progress);
    }

   private:
    FaultAfterPieces* owner_;
    std::unique_ptr<PrinterPort> port_;
  };

  PrinterConnector* printer_;
  size_t pieces_;
  std::function<void()> fault_;
};

class PrintFaultTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::temp_directory_path() / ("print_fault_test." + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    descriptors_ = OpenDescriptors();
    TypeSale(
        form_,
        {"Li", "42", "2024/3/5", "9:07:02", {{0, "2", "3.5"}, {5, "3", "1.25"}}, "20", "3", "7"});
  }
  void TearDown() override {
    EXPECT_EQ(OpenDescriptors(), descriptors_) << "a descriptor was left open";
    std::filesystem::remove_all(dir_);
  }

  std::string Path(const char* name) const { return (dir_ / name).string(); }

  // Presses Print once with `printer`; expects every box to keep what it held and
  // returns the messages shown.
  std::vector<std::string> Print(PrinterConnector& printer) {
    TotalCommand total(form_);
    total.OnTotal();
    const FakeForm::Boxes before = form_.Contents();
    InlinePrint runner(progress_);
    PrintCommand(form_, total, printer, runner).OnPrint();
    EXPECT_EQ(form_.Contents(), before) << "a box changed";
    EXPECT_TRUE(form_.IsDisabled(IDC_PASSPHRASE));
    return std::exchange(form_.messages, {});
  }

  // The receipt the form gives, as a printer that takes everything receives it.
  std::string Receipt() {
    FakeForm form = form_;
    TotalCommand total(form);
    RecordingPrinter printer;
    ScriptedProgress progress;
    InlinePrint runner(progress);
    PrintCommand(form, total, printer, runner).OnPrint();
    return Concatenate(printer.writes);
  }

  std::filesystem::path dir_;
  int descriptors_ = 0;
  FakeForm form_;
  ScriptedProgress progress_;
};

TEST_F(PrintFaultTest, MissingDeviceNamesEveryDeviceTried) {
  DevicePrinter printer({Path("lp0"), Path("usb-lp0")});
  EXPECT_EQ(Print(printer),
            std::vector<std::string>{
                NoPrinter(Path("lp0") + ": 找不到打印机设备。（No such file or directory）; " +
                          Path("usb-lp0") + ": 找不到打印机设备。（No such file or directory）")});
}

TEST_F(PrintFaultTest, SwitchedOffPrinterIsNoPrinter) {
  const std::string fifo = Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // nobody reads: opening it fails with ENXIO
  DevicePrinter printer({fifo});
  EXPECT_EQ(Print(printer), std::vector<std::string>{NoPrinter(
                                fifo + ": 找不到打印机设备。（No such device or address）")});
}

TEST_F(PrintFaultTest, BusyDeviceIsNoPrinterAndFreeAgainAfterwards) {
  const std::string device = Path("printer");
  std::ofstream(device).flush();
  DevicePrinter other_till({device});
  PortOpening held = other_till.Open();
  ASSERT_NE(held.port, nullptr);
  DevicePrinter printer({device});
  EXPECT_EQ(Print(printer),
            std::vector<std::string>{
                NoPrinter(device + ": 打印机正被占用，请稍后再试。（Device or resource busy）")});
  EXPECT_EQ(held.port->Close(progress_), std::nullopt);
  EXPECT_EQ(Print(printer), std::vector<std::string>{});
  EXPECT_EQ(ReadFileBytes(device), Receipt());
}

TEST_F(PrintFaultTest, FullDeviceIsAFailedWrite) {
  DevicePrinter printer({"/dev/full"});
  EXPECT_EQ(Print(printer), std::vector<std::string>{WriteFailed(
                                "/dev/full: 打印机缺纸，请装纸。（No space left on device）")});
}

TEST_F(PrintFaultTest, PrinterGoingAwayMidReceiptIsAFailedWriteAndNoSignal) {
  const std::string fifo = Path("fifo");
  int reader = MakeFifoWithReader(fifo);
  ASSERT_GE(reader, 0);
  DevicePrinter device({fifo});
  FaultAfterPieces printer(device, 3, [&reader] { close(std::exchange(reader, -1)); });
  EXPECT_EQ(Print(printer),
            std::vector<std::string>{WriteFailed(
                fifo + ": 打印中途打印机断开了连接，请检查连线和电源。（Broken pipe）")});
  EXPECT_EQ(reader, -1) << "the reader never went away";
}

TEST_F(PrintFaultTest, StallPastTheTimeoutIsAFailedWrite) {
  ScriptedFileSystem files;
  files.script.push_back(ScriptedFileSystem::Accept(5));
  for (int i = 0; i < 1000; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
  DevicePrinter printer({"/dev/lp0"}, &files);
  EXPECT_EQ(Print(printer),
            std::vector<std::string>{WriteFailed(
                "/dev/lp0: 打印机 10 秒内没有接收任何数据，请检查是否缺纸、是否联机。")});
}

// The cashier stops a print the printer does not take: nothing of it reaches the printer.
TEST_F(PrintFaultTest, StalledPrinterStoppedByTheCashierIsACancelledWrite) {
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);  // never reads
  ASSERT_GE(reader, 0);
  const std::string held = FillFifo(fifo);
  ASSERT_NE(held, "");
  progress_.waits_allowed = 2;
  DevicePrinter printer({fifo});
  EXPECT_EQ(Print(printer), std::vector<std::string>{Utf8ToGbk("打印已取消。")});
  EXPECT_EQ(progress_.asks, 3);
  EXPECT_TRUE(ReadToEnd(reader) == held) << "part of the receipt reached the printer";
  close(reader);
}

// Writes cut short and interrupted by signals, as the system reports them.
TEST_F(PrintFaultTest, ShortAndInterruptedWritesStillPrintTheWholeReceipt) {
  const std::string receipt = Receipt();
  ScriptedFileSystem files;
  ssize_t scripted = 0;
  for (ssize_t step = 0; scripted + 3 < ssize_t(receipt.size()); ++step) {
    files.script.push_back(ScriptedFileSystem::Accept(1 + step % 3));
    scripted += 1 + step % 3;
    if (step % 4 == 0) files.script.push_back(ScriptedFileSystem::Fail(EINTR));
  }
  DevicePrinter printer({"/dev/lp0"}, &files);
  EXPECT_EQ(Print(printer), std::vector<std::string>{});
  EXPECT_EQ(Hex(files.written), Hex(receipt));
  EXPECT_TRUE(files.script.empty()) << "the receipt was shorter than the script";
}

// The parallel port out of paper part-way: its writes fail until paper is loaded, the
// cashier is told, and the rest of the receipt follows, nothing of it twice.
TEST_F(PrintFaultTest, PaperOutIsWaitedOutAndTheRestFollows) {
  ScriptedFileSystem files;
  files.script.push_back(ScriptedFileSystem::Accept(5));
  for (int i = 0; i < 400; ++i) files.script.push_back(ScriptedFileSystem::Fail(ENOSPC));
  files.statuses = {{0x38, 0}};  // paper out
  DevicePrinter printer({"/dev/lp0"}, &files);
  EXPECT_EQ(Print(printer), std::vector<std::string>{});
  EXPECT_EQ(Hex(files.written), Hex(Receipt()));
  EXPECT_EQ(progress_.problems, (std::vector<std::string>{Utf8ToGbk("打印机缺纸，请装纸。"), ""}));
}

// A receipt far larger than a pipe holds: the system takes it in parts.
TEST_F(PrintFaultTest, RealShortWritesStillPrintTheWholeReceipt) {
  form_.SetText(IDC_CASHIER, std::string(size_t{256} * 1024, 'c'));
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);
  ASSERT_GE(reader, 0);
  // The printer side reads until every writer has gone: this one stays until the print
  // is over, so the reading cannot end before the port has opened.
  const int keeper = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(keeper, 0);
  std::string received;
  std::thread printer_side([&] { received = ReadToEnd(reader); });
  {
    DevicePrinter printer({fifo});
    EXPECT_EQ(Print(printer), std::vector<std::string>{});
  }
  close(keeper);
  printer_side.join();
  close(reader);
  EXPECT_EQ(received.size(), Receipt().size());
  EXPECT_TRUE(received == Receipt()) << "the receipt arrived changed";
}

// Counts the alarms that reach the printing thread. A signal handler reaches nothing but
// globals.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<int> g_alarms{0};
void CountAlarm(int) {
  ++g_alarms;
}

// Stops the alarms and gives SIGALRM back its `previous` action. An alarm already on its
// way is taken first: the default action would end the test program.
void StopAlarms(const struct sigaction& previous) {
  sigset_t alarms;
  sigemptyset(&alarms);
  sigaddset(&alarms, SIGALRM);
  sigset_t unblocked;
  pthread_sigmask(SIG_BLOCK, &alarms, &unblocked);
  const itimerval stop{};
  setitimer(ITIMER_REAL, &stop, nullptr);
  const timespec no_wait{};
  while (sigtimedwait(&alarms, nullptr, &no_wait) == SIGALRM) {
  }
  sigaction(SIGALRM, &previous, nullptr);
  pthread_sigmask(SIG_SETMASK, &unblocked, nullptr);
}

// Real signals arriving while the port waits for a full pipe to take the receipt: every
// wait they cut short is taken up again, and the receipt arrives whole after what the
// pipe held.
TEST_F(PrintFaultTest, SignalsDuringAStalledWriteStillPrintTheWholeReceipt) {
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);
  ASSERT_GE(reader, 0);
  const std::string held = FillFifo(fifo);
  ASSERT_NE(held, "");
  const int keeper = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);  // as above
  ASSERT_GE(keeper, 0);

  struct sigaction alarm {};
  alarm.sa_handler = CountAlarm;  // no SA_RESTART: waits end with EINTR
  struct sigaction previous {};
  ASSERT_EQ(sigaction(SIGALRM, &alarm, &previous), 0);
  g_alarms = 0;
  const itimerval every_2ms{{0, 2000}, {0, 2000}};
  ASSERT_EQ(setitimer(ITIMER_REAL, &every_2ms, nullptr), 0);

  std::string received;
  std::thread printer_side([&] {
    sigset_t alarms;
    sigemptyset(&alarms);
    sigaddset(&alarms, SIGALRM);
    pthread_sigmask(SIG_BLOCK, &alarms, nullptr);  // the alarms go to the printing thread
    for (int wait = 0; wait < 1000 && g_alarms < 20; ++wait) std::this_thread::sleep_for(10ms);
    received = ReadToEnd(reader);
  });
  {
    DevicePrinter printer({fifo});
    EXPECT_EQ(Print(printer), std::vector<std::string>{});
  }
  StopAlarms(previous);
  close(keeper);
  printer_side.join();
  close(reader);
  EXPECT_GE(g_alarms, 20) << "too few signals arrived during the print";
  EXPECT_TRUE(received == held + Receipt()) << "the receipt arrived changed";
}

// Drops root's rights for good (to the unprivileged user "nobody") when running as root.
bool BecomeUnprivileged() {
  if (geteuid() != 0) return true;
  constexpr uid_t kNobody = 65534;
  return setgroups(0, nullptr) == 0 && setresgid(kNobody, kNobody, kNobody) == 0 &&
         setresuid(kNobody, kNobody, kNobody) == 0 && geteuid() == kNobody;
}

// Run as a real user without the right to write to the device, in a child process (root
// would be let through). The child reports the messages it was shown through a pipe, and
// in its exit status whether the boxes and the descriptors were kept.
TEST_F(PrintFaultTest, DeviceTheUserMayNotWriteIsNoPrinter) {
  const std::string device = Path("printer");
  std::ofstream(device).flush();
  ASSERT_EQ(chmod(device.c_str(), 0444), 0);
  ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    close(pipe_fds[0]);
    if (!BecomeUnprivileged()) _exit(10);
    const int descriptors = OpenDescriptors();
    TotalCommand total(form_);
    total.OnTotal();
    const FakeForm::Boxes before = form_.Contents();
    DevicePrinter printer({device});
    InlinePrint runner(progress_);
    PrintCommand(form_, total, printer, runner).OnPrint();
    const int status = form_.Contents() != before ? 12 : OpenDescriptors() != descriptors ? 13 : 0;
    for (const std::string& message : form_.messages)
      if (write(pipe_fds[1], message.data(), message.size()) < 0) _exit(11);
    _exit(status);
  }
  close(pipe_fds[1]);
  const std::string shown = ReadToEnd(pipe_fds[0]);
  close(pipe_fds[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the print ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0)
      << "10: could not drop root, 11: lost the message, 12: a box changed, 13: a descriptor "
         "was left open";
  EXPECT_EQ(shown,
            NoPrinter(device +
                      ": 没有使用打印机的权限，请把收银员的账户加入 lp 组。（Permission denied）"));
  EXPECT_EQ(ReadFileBytes(device), "");
}

}  // namespace
