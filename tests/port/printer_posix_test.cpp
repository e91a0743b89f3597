#include "port/printer_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/port/port_test_files_posix.h"
#include "tests/port/scripted_file_system_posix.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_progress.h"

namespace {

using namespace std::chrono_literals;

// The port of a printer whose writes follow `files`' script.
std::unique_ptr<PrinterPort> OpenScripted(ScriptedFileSystem& files,
                                          std::chrono::milliseconds stall_timeout) {
  return DevicePrinter({"/dev/lp0"}, stall_timeout, &files).Open().port;
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
  ASSERT_NE(opening.port, nullptr) << opening.error;
  EXPECT_EQ(opening.port->Write("first|", progress_), std::nullopt);
  EXPECT_EQ(opening.port->Write(std::string("\0\0second", 8), progress_), std::nullopt);
  EXPECT_EQ(opening.port->Close(), std::nullopt);
  EXPECT_EQ(ReadFileBytes(path), std::string("earlier receipt|first|\0\0second", 30));
  EXPECT_EQ(progress_.asks, 0) << "a printer that takes everything is never waited for";
}

TEST_F(DevicePrinterFileTest, NamesEveryMissingDeviceWithItsReason) {
  DevicePrinter printer({Path("lp0"), Path("usb-lp0")});
  PortOpening opening = printer.Open();
  EXPECT_EQ(opening.port, nullptr);
  EXPECT_EQ(opening.error, Path("lp0") + ": No such file or directory; " + Path("usb-lp0") +
                               ": No such file or directory");
}

TEST_F(DevicePrinterFileTest, FallsBackToTheNextDeviceWhenOneIsMissing) {
  const std::string usb = Path("usb-lp0");
  std::ofstream(usb).flush();
  DevicePrinter printer({Path("lp0"), usb});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << opening.error;
  EXPECT_EQ(opening.port->Write("receipt", progress_), std::nullopt);
  EXPECT_EQ(opening.port->Close(), std::nullopt);
  EXPECT_EQ(ReadFileBytes(usb), "receipt");
}

TEST_F(DevicePrinterFileTest, RefusesASecondReceiptWhileOneIsBeingWritten) {
  const std::string path = Path("printer");
  std::ofstream(path).flush();
  DevicePrinter printer({path});
  PortOpening first = printer.Open();
  ASSERT_NE(first.port, nullptr) << first.error;
  PortOpening second = printer.Open();
  EXPECT_EQ(second.port, nullptr);
  EXPECT_EQ(second.error, path + ": Device or resource busy");
  EXPECT_EQ(first.port->Close(), std::nullopt);
  PortOpening third = printer.Open();
  EXPECT_NE(third.port, nullptr) << third.error;
}

TEST_F(DevicePrinterFileTest, ReportsAFullDevice) {
  DevicePrinter printer({"/dev/full"});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << opening.error;
  EXPECT_EQ(opening.port->Write("receipt", progress_), "/dev/full: No space left on device");
}

TEST_F(DevicePrinterFileTest, ReportsAReaderThatWentAwayAndLivesOn) {
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);
  ASSERT_GE(reader, 0);
  DevicePrinter printer({fifo});
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << opening.error;
  close(reader);
  EXPECT_EQ(opening.port->Write("receipt", progress_), fifo + ": Broken pipe");
}

TEST_F(DevicePrinterFileTest, GivesUpOnAPrinterThatStopsTakingBytes) {
  const std::string fifo = Path("fifo");
  const int reader = MakeFifoWithReader(fifo);  // never reads
  ASSERT_GE(reader, 0);
  DevicePrinter printer({fifo}, 200ms);
  PortOpening opening = printer.Open();
  ASSERT_NE(opening.port, nullptr) << opening.error;
  const std::string receipt(1 << 20, 'x');  // larger than any pipe's buffer
  const std::optional<std::string> error = opening.port->Write(receipt, progress_);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, fifo + ": the printer accepted nothing for 200 ms (offline or out of paper?)");
  close(reader);
}

TEST(DevicePrinterScriptTest, CompletesShortAndInterruptedWrites) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  files.script = {ScriptedFileSystem::Accept(3), ScriptedFileSystem::Fail(EINTR),
                  ScriptedFileSystem::Accept(1), ScriptedFileSystem::Fail(EAGAIN),
                  ScriptedFileSystem::Accept(0), ScriptedFileSystem::Accept(2)};
  std::unique_ptr<PrinterPort> port = OpenScripted(files, 10s);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("0123456789", progress), std::nullopt);
  EXPECT_EQ(files.written, "0123456789");
}

TEST(DevicePrinterScriptTest, WaitsWithoutSpinningThenGivesUp) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  for (int i = 0; i < 1000; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
  std::unique_ptr<PrinterPort> port = OpenScripted(files, 10s);
  ASSERT_NE(port, nullptr);
  const std::optional<std::string> error = port->Write("receipt", progress);
  EXPECT_EQ(error,
            "/dev/lp0: the printer accepted nothing for 10 seconds (offline or out of paper?)");
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
  std::unique_ptr<PrinterPort> port = OpenScripted(files, 10s);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("receipt", progress), std::string(kPrintCancelledReason));
  EXPECT_EQ(progress.asks, 4);
  EXPECT_EQ(files.waits, 3);
  EXPECT_EQ(files.writes, 5) << "no write after the watcher said stop";
  EXPECT_EQ(files.written, "re");
}

TEST(DevicePrinterScriptTest, AnyProgressRestartsTheWait) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 40; ++i) files.script.push_back(ScriptedFileSystem::Fail(EAGAIN));
    files.script.push_back(ScriptedFileSystem::Accept(1));
  }
  // Each round waits about three and a half seconds; all three together, over ten.
  std::unique_ptr<PrinterPort> port = OpenScripted(files, 5s);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("abc", progress), std::nullopt);
  EXPECT_EQ(files.written, "abc");
}

TEST(DevicePrinterScriptTest, StopsAtTheFirstFailure) {
  ScriptedFileSystem files;
  ScriptedProgress progress;
  files.script = {ScriptedFileSystem::Accept(2), ScriptedFileSystem::Fail(EIO)};
  std::unique_ptr<PrinterPort> port = OpenScripted(files, 10s);
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Write("receipt", progress), "/dev/lp0: Input/output error");
  EXPECT_EQ(files.written, "re");
  EXPECT_EQ(port->Close(), std::nullopt);
  port.reset();
  EXPECT_EQ(files.closes, 1);
}

TEST(DevicePrinterScriptTest, DoesNotLookFurtherThanADeviceItMayNotUse) {
  ScriptedFileSystem files;
  files.open_error = EACCES;
  DevicePrinter printer({"/dev/lp0", "/dev/usb/lp0"}, 10s, &files);
  PortOpening opening = printer.Open();
  EXPECT_EQ(opening.port, nullptr);
  EXPECT_EQ(opening.error, "/dev/lp0: Permission denied");
}

}  // namespace
