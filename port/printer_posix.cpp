#include "port/printer_posix.h"

#include <linux/lp.h>

#include <cerrno>
#include <utility>

#include "port/file_system_posix.h"
#include "port/posix_failure.h"
#include "port/printer_wait.h"
#include "port/state_reader_posix.h"

static_assert(kLinuxPaperOut == LP_POUTPA && kLinuxSelected == LP_PSELECD &&
              kLinuxNoError == LP_PERRORP);

namespace {

// How soon the system hears of a USB printer unplugged, once its transfers fail.
constexpr std::chrono::seconds kUnplugHeardWithin{2};

class DevicePort : public PrinterPort {
 public:
  DevicePort(FileSystem& files, int fd, std::string path, bool status_lines)
      : files_(files), fd_(fd), path_(std::move(path)), state_(files, fd, status_lines) {}
  // Only where Close was never called; the device is let go once a reading has ended.
  ~DevicePort() override {
    state_.End();
    if (fd_ >= 0) files_.Close(fd_);
  }
  DevicePort(const DevicePort&) = delete;
  DevicePort& operator=(const DevicePort&) = delete;

  std::optional<PrinterFailure> Write(std::string_view bytes, PrintProgress& progress) override;
  std::optional<PrinterFailure> Close(PrintProgress& progress) override;

 private:
  std::optional<PrinterFailure> WriteAll(std::string_view bytes, PrintProgress& progress);
  std::optional<PrinterFailure> WaitUntilDelivered(PrintProgress& progress);
  std::optional<PrinterFailure> GoOnWaiting(PrinterWait& wait, bool explaining);
  void WaitForRoom(std::chrono::milliseconds pause);
  std::optional<PrinterFailure> ConfirmPrinterStillThere(PrintProgress& progress);
  std::optional<PrinterFailure> Failed(std::optional<PrinterFailure> failure);

  FileSystem& files_;
  int fd_;
  std::string path_;
  StateReader state_;
  bool took_bytes_ = false;  // some byte of the receipt was written
  bool failed_ = false;      // a write failed or was stopped: Close only closes
};

std::optional<PrinterFailure> DevicePort::Write(std::string_view bytes, PrintProgress& progress) {
  return Failed(WriteAll(bytes, progress));
}

// Completes short writes, retries interrupted ones, waits while the printer has no room,
// and gives up once it has accepted nothing for the stall limit or `progress` says stop.
// A failure the printer's state explains as paper out or offline is waited out like a
// printer with no room, however long: the cashier can put it right, or stop the print.
std::optional<PrinterFailure> DevicePort::WriteAll(std::string_view bytes,
                                                   PrintProgress& progress) {
  size_t done = 0;
  PrinterWait wait(progress, path_, files_.Now());
  int unexplained = 0;  // a failed write's errno, until the state is read
  while (done < bytes.size()) {
    if (state_.Take(wait) && unexplained != 0) {
      if (state_.PrinterGone()) return PrintingFailure(path_, ENODEV);
      if (!wait.WaitingOutProblem()) return PrintingFailure(path_, unexplained, wait.Problem());
      unexplained = 0;
    }
    if (!state_.Reading()) {
      const ssize_t written = files_.Write(fd_, bytes.data() + done, bytes.size() - done);
      if (written > 0) {
        done += static_cast<size_t>(written);
        took_bytes_ = true;
        wait.TookBytes(files_.Now());
        continue;
      }
      const int error = written < 0 ? errno : EAGAIN;
      if (error == EINTR) continue;
      if (error != EAGAIN && error != EWOULDBLOCK) {
        // A problem being waited out goes on; else the printer's state may explain it.
        if (!MayBeProblem(error) || (!wait.WaitingOutProblem() && !state_.HasStatusLines()))
          return PrintingFailure(path_, error, wait.Problem());
        if (!wait.WaitingOutProblem()) {
          unexplained = error;
          state_.Start();
          continue;
        }
      }
    }
    if (std::optional<PrinterFailure> ended = GoOnWaiting(wait, unexplained != 0)) return ended;
    WaitForRoom(wait.NextPause());
  }
  return std::nullopt;
}

// The USB printer driver returns from a write on a port opened without blocking once it
// has handed the bytes to the bus, and cancels whatever is still on its way when the port
// is closed: the end of the receipt would never reach the printer. So the port waits for
// the last write as it waits for room, paper out and offline included.
std::optional<PrinterFailure> DevicePort::WaitUntilDelivered(PrintProgress& progress) {
  PrinterWait wait(progress, path_, files_.Now());
  for (;;) {
    state_.Take(wait);
    const std::chrono::milliseconds pause = wait.NextPause();
    if (!state_.Reading()) {
      const int sent = files_.WaitUntilSent(fd_, pause);
      if (sent > 0) {
        wait.TookBytes(files_.Now());
        return ConfirmPrinterStillThere(progress);
      }
      if (sent < 0) return PrintingFailure(path_, errno);
    } else {
      files_.Sleep(pause);
    }
    if (std::optional<PrinterFailure> ended = GoOnWaiting(wait, false)) return ended;
  }
}

// A turn of waiting for a printer that takes nothing: gives up once it has stalled with no
// reason to wait out (unless a failed write is `explaining` itself), reads its state when
// due, and asks the watcher.
std::optional<PrinterFailure> DevicePort::GoOnWaiting(PrinterWait& wait, bool explaining) {
  if (!explaining) {
    if (std::optional<PrinterFailure> stalled = wait.Stalled(files_.Now())) return stalled;
    if (!state_.Reading() && state_.HasStatusLines() && wait.StateDue(files_.Now())) state_.Start();
  }
  return wait.AskWatcher();
}

// A device that cannot tell when it has room (the parallel-port driver cannot) answers
// "ready" at once; sleeping then keeps the wait from spinning. While its state is being
// read, the USB printer driver would hold the question up until the printer has answered.
void DevicePort::WaitForRoom(std::chrono::milliseconds pause) {
  if (state_.Reading() || files_.WaitForRoom(fd_, pause) != 0) files_.Sleep(pause);
}

// The USB printer driver reports a transfer that failed as its printer was unplugged as
// one that ended, a moment before it hears of the unplug: the last write would pass as
// sent. So the port asks the printer once whether it is there, and a printer that does not
// answer is given a moment to be heard of as gone. (The driver keeps a failed transfer's
// error to itself on a port opened without blocking.)
std::optional<PrinterFailure> DevicePort::ConfirmPrinterStillThere(PrintProgress& progress) {
  if (!state_.HasStatusLines()) return std::nullopt;
  state_.Start();
  const StatusReading answer = state_.End(&progress);
  if (answer.error == ENODEV) return PrintingFailure(path_, ENODEV);
  if (answer.error == 0 || MeansNoStatusLines(answer.error)) return std::nullopt;
  for (const auto until = files_.Now() + kUnplugHeardWithin; files_.Now() < until;) {
    if (files_.WaitUntilSent(fd_, std::chrono::milliseconds(0)) < 0)
      return PrintingFailure(path_, errno);
    progress.KeepWaiting();
    files_.Sleep(kLongestWaitBetweenAsks);
  }
  return std::nullopt;
}

std::optional<PrinterFailure> DevicePort::Close(PrintProgress& progress) {
  if (fd_ < 0) return std::nullopt;
  std::optional<PrinterFailure> failure = failed_ ? std::nullopt : WaitUntilDelivered(progress);
  state_.End(&progress);
  const int result = files_.Close(fd_);
  const int error = errno;
  fd_ = -1;
  if (result != 0 && !failure) failure = PrintingFailure(path_, error);
  return Failed(std::move(failure));
}

// Every failure says whether the receipt had begun; after one, Close only closes.
std::optional<PrinterFailure> DevicePort::Failed(std::optional<PrinterFailure> failure) {
  if (!failure) return failure;
  failed_ = true;
  failure->receipt_started = took_bytes_;
  return failure;
}

}  // namespace

DevicePrinter::DevicePrinter(std::vector<std::string> devices, FileSystem* files)
    : devices_(std::move(devices)), files_(files != nullptr ? files : &SystemFileSystem()) {}

PortOpening DevicePrinter::Open() {
  PortOpening opening;
  for (const std::string& path : devices_) {
    const int fd = files_->OpenForWriting(path.c_str());
    if (fd < 0) {
      const int error = errno;
      opening.failures.push_back(OpeningFailure(path, error));
      if (MeansNoDevice(error)) continue;
      break;
    }
    const int regular = files_->IsRegularFile(fd);
    if (const int error = regular < 0 ? errno : regular > 0 ? PrepareRegularFile(fd) : 0) {
      files_->Close(fd);
      opening.failures.push_back(OpeningFailure(path, error));
      break;
    }
    return {std::make_unique<DevicePort>(*files_, fd, path, regular == 0), {}};
  }
  return opening;
}

// A regular file standing in for a printer gets what a device driver does by itself: a
// second open is refused while a receipt is being written, and writes go to the end. It
// has no status lines to read. The errno of what failed, 0 when the file is ready.
int DevicePrinter::PrepareRegularFile(int fd) {
  if (files_->LockExclusive(fd) != 0) return errno == EWOULDBLOCK ? EBUSY : errno;
  if (files_->SeekToEnd(fd) < 0) return errno;
  return 0;
}
