#include "port/printer_posix.h"

#include <linux/lp.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <utility>

#include "port/file_system_posix.h"
#include "port/printer_problem.h"
#include "port/printer_wait.h"
#include "text/format.h"
#include "text/till_texts.h"

static_assert(kLinuxPaperOut == LP_POUTPA && kLinuxSelected == LP_PSELECD &&
              kLinuxNoError == LP_PERRORP);

namespace {

// The system's reason for an error number, untranslated (so it is plain ASCII, valid
// GBK) whatever the user's locale.
std::string SystemWords(int error) {
  const char* text = strerrordesc_np(error);
  return text != nullptr ? text : Format("error %d", error);
}

// Why a receipt could not be written, or the port closed; empty where the system's own
// words are all there is. The parallel port driver reports paper out as ENOSPC, offline
// or error as EIO; a printer unplugged mid-receipt gives ENODEV, a reader gone EPIPE.
std::string_view PrintingText(int error) {
  switch (error) {
    case ENOSPC:
      return ProblemText(PrinterProblem::kPaperOut);
    case EIO:
      return kOfflineOrErrorText;
    case ENODEV:
    case ENXIO:
    case EPIPE:
      return kGoneAwayText;
    case EBUSY:
      return kBusyText;
    default:
      return {};
  }
}

// Why the port could not be opened.
std::string_view OpeningText(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return kNoDeviceText;
    case EACCES:
    case EPERM:
      return kNoPermissionText;
    default:
      return PrintingText(error);
  }
}

// "/dev/lp0: " and our text, the system's words following in brackets for whoever mends
// the machine; the system's words alone where we have no text.
std::string Failure(const std::string& path, std::string_view text, int error) {
  std::string failure = path + ": ";
  if (text.empty()) return failure + SystemWords(error);
  failure += text;
  failure += kOpenBracket;
  failure += SystemWords(error);
  failure += kCloseBracket;
  return failure;
}

std::string OpeningFailure(const std::string& path, int error) {
  return Failure(path, OpeningText(error), error);
}

// Errors meaning "no printer here", after which the next device is worth trying.
bool MeansNoDevice(int error) {
  return error == ENOENT || error == ENODEV || error == ENXIO;
}

// Write errors the printer's state may explain: paper out, offline, error.
bool MayBeProblem(int error) {
  return error == ENOSPC || error == EIO;
}

// Answers of a port that has no status lines at all: a file, a pipe, a driver without the
// call. Any other failure to answer (a USB printer that did not) may pass.
bool MeansNoStatusLines(int error) {
  return error == ENOTTY || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

constexpr std::chrono::milliseconds kFirstBackoff{1};
constexpr std::chrono::milliseconds kLongestBackoff = kLongestWaitBetweenAsks;
// How soon the system hears of a USB printer unplugged, once its transfers fail.
constexpr std::chrono::seconds kUnplugHeardWithin{2};

class DevicePort : public PrinterPort {
 public:
  DevicePort(FileSystem& files, int fd, std::string path, std::chrono::milliseconds stall_timeout)
      : files_(files), fd_(fd), path_(std::move(path)), stall_timeout_(stall_timeout) {}
  // Only where Close was never called; the device is let go once a reading has ended.
  ~DevicePort() override {
    if (reading_.valid()) reading_.wait();
    if (fd_ >= 0) files_.Close(fd_);
  }
  DevicePort(const DevicePort&) = delete;
  DevicePort& operator=(const DevicePort&) = delete;

  std::optional<std::string> Write(std::string_view bytes, PrintProgress& progress) override;
  std::optional<std::string> Close(PrintProgress& progress) override;

 private:
  std::optional<std::string> WriteAll(std::string_view bytes, PrintProgress& progress);
  std::optional<std::string> WaitUntilDelivered(PrintProgress& progress);
  std::optional<std::string> GoOnWaiting(PrinterWait& wait, bool explaining);
  void WaitForRoom();
  void NextBackoff() { backoff_ = std::min(backoff_ * 2, kLongestBackoff); }
  void StartStateReading();
  bool ReadingAnswered() const {
    return reading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  }
  bool TakeStateReading(PrinterWait& wait);
  StatusReading EndStateReading(PrintProgress& progress);
  std::optional<std::string> ConfirmPrinterStillThere(PrintProgress& progress);
  std::string PrintingFailure(int error, std::optional<PrinterProblem> problem) const;

  FileSystem& files_;
  int fd_;
  std::string path_;
  std::chrono::milliseconds stall_timeout_;
  std::chrono::milliseconds backoff_ = kFirstBackoff;
  std::future<StatusReading> reading_;  // valid while the printer's state is being read
  bool has_status_lines_ = true;        // until the port says it has none
  bool gone_ = false;                   // the port said the printer has gone away
  bool failed_ = false;                 // a write failed or was stopped
};

std::optional<std::string> DevicePort::Write(std::string_view bytes, PrintProgress& progress) {
  std::optional<std::string> failure = WriteAll(bytes, progress);
  if (failure) failed_ = true;
  return failure;
}

// Completes short writes, retries interrupted ones, waits while the printer has no room,
// and gives up once it has accepted nothing for the stall timeout or `progress` says stop.
// A failure the printer's state explains as paper out or offline is waited out like a
// printer with no room, however long: the cashier can put it right, or stop the print.
std::optional<std::string> DevicePort::WriteAll(std::string_view bytes, PrintProgress& progress) {
  size_t done = 0;
  PrinterWait wait(progress, stall_timeout_, files_.Now());
  int unexplained = 0;  // a failed write's errno, until the state is read
  backoff_ = kFirstBackoff;
  while (done < bytes.size()) {
    if (TakeStateReading(wait) && unexplained != 0) {
      if (gone_) return PrintingFailure(ENODEV, std::nullopt);
      if (!wait.WaitingOutProblem()) return PrintingFailure(unexplained, wait.Problem());
      unexplained = 0;
    }
    // Nothing is written while the state is being read: the USB printer driver would hold
    // the write until the printer has answered.
    if (!reading_.valid()) {
      const ssize_t written = files_.Write(fd_, bytes.data() + done, bytes.size() - done);
      if (written > 0) {
        done += static_cast<size_t>(written);
        wait.TookBytes(files_.Now());
        backoff_ = kFirstBackoff;
        continue;
      }
      const int error = written < 0 ? errno : EAGAIN;
      if (error == EINTR) continue;
      if (error != EAGAIN && error != EWOULDBLOCK) {
        // A problem being waited out goes on; else the printer's state may explain it.
        if (!MayBeProblem(error) || (!wait.WaitingOutProblem() && !has_status_lines_))
          return PrintingFailure(error, wait.Problem());
        if (!wait.WaitingOutProblem()) {
          unexplained = error;
          StartStateReading();
          continue;
        }
      }
    }
    if (std::optional<std::string> ended = GoOnWaiting(wait, unexplained != 0)) return ended;
    WaitForRoom();
  }
  return std::nullopt;
}

// The USB printer driver returns from a write on a port opened without blocking once it
// has handed the bytes to the bus, and cancels whatever is still on its way when the port
// is closed: the end of the receipt would never reach the printer. So the port waits for
// the last write as it waits for room, paper out and offline included.
std::optional<std::string> DevicePort::WaitUntilDelivered(PrintProgress& progress) {
  PrinterWait wait(progress, stall_timeout_, files_.Now());
  backoff_ = kFirstBackoff;
  for (;;) {
    TakeStateReading(wait);
    if (!reading_.valid()) {
      const int sent = files_.WaitUntilSent(fd_, backoff_);
      if (sent > 0) {
        wait.TookBytes(files_.Now());
        return ConfirmPrinterStillThere(progress);
      }
      if (sent < 0) return PrintingFailure(errno, std::nullopt);
    } else {
      files_.Sleep(backoff_);
    }
    NextBackoff();
    if (std::optional<std::string> ended = GoOnWaiting(wait, false)) return ended;
  }
}

// A turn of waiting for a printer that takes nothing: gives up once it has stalled with no
// reason to wait out (unless a failed write is `explaining` itself), reads its state when
// due, and asks the watcher; the reason when the print ends.
std::optional<std::string> DevicePort::GoOnWaiting(PrinterWait& wait, bool explaining) {
  if (!explaining) {
    if (std::optional<std::string> stalled = wait.Stalled(path_, files_.Now())) return stalled;
    if (!reading_.valid() && has_status_lines_ && wait.StateDue(files_.Now())) StartStateReading();
  }
  return wait.AskWatcher();
}

// A device that cannot tell when it has room (the parallel-port driver cannot) answers
// "ready" at once; sleeping then keeps the wait from spinning. While its state is being
// read, the USB printer driver would hold the question up until the printer has answered.
void DevicePort::WaitForRoom() {
  if (reading_.valid() || files_.WaitForRoom(fd_, backoff_) != 0) files_.Sleep(backoff_);
  NextBackoff();
}

void DevicePort::StartStateReading() {
  reading_ = files_.ReadStatusLines(fd_);
}

// Hands the wait the answer of the state reading under way, once it has come; whether
// it had.
bool DevicePort::TakeStateReading(PrinterWait& wait) {
  if (!reading_.valid() || !ReadingAnswered()) return false;
  const StatusReading reading = reading_.get();
  if (MeansNoStatusLines(reading.error)) has_status_lines_ = false;
  if (reading.error == ENODEV) gone_ = true;
  wait.Reported(reading.error == 0 ? ProblemOfLinuxStatus(reading.lines) : std::nullopt,
                files_.Now());
  return true;
}

// The device stays held until a reading under way has ended, so the port waits for its
// answer, the watcher asked meanwhile, whatever it says: the driver gives up on a printer
// that does not answer within seconds. The answer, if there was a reading.
StatusReading DevicePort::EndStateReading(PrintProgress& progress) {
  if (!reading_.valid()) return {};
  for (backoff_ = kFirstBackoff; !ReadingAnswered(); NextBackoff()) {
    files_.Sleep(backoff_);
    if (!ReadingAnswered()) progress.KeepWaiting();
  }
  return reading_.get();
}

// The USB printer driver reports a transfer that failed as its printer was unplugged as
// one that ended, a moment before it hears of the unplug: the last write would pass as
// sent. So the port asks the printer once whether it is there, and a printer that does not
// answer is given a moment to be heard of as gone. (The driver keeps a failed transfer's
// error to itself on a port opened without blocking.)
std::optional<std::string> DevicePort::ConfirmPrinterStillThere(PrintProgress& progress) {
  if (!has_status_lines_) return std::nullopt;
  StartStateReading();
  const StatusReading answer = EndStateReading(progress);
  if (answer.error == ENODEV) return PrintingFailure(ENODEV, std::nullopt);
  if (answer.error == 0 || MeansNoStatusLines(answer.error)) return std::nullopt;
  for (const auto until = files_.Now() + kUnplugHeardWithin; files_.Now() < until;) {
    if (files_.WaitUntilSent(fd_, std::chrono::milliseconds(0)) < 0)
      return PrintingFailure(errno, std::nullopt);
    progress.KeepWaiting();
    files_.Sleep(kLongestWaitBetweenAsks);
  }
  return std::nullopt;
}

// The port's state, where it explains the error, says more than the error number.
std::string DevicePort::PrintingFailure(int error, std::optional<PrinterProblem> problem) const {
  const std::string_view text =
      problem && MayBeProblem(error) ? ProblemText(*problem) : PrintingText(error);
  return Failure(path_, text, error);
}

std::optional<std::string> DevicePort::Close(PrintProgress& progress) {
  if (fd_ < 0) return std::nullopt;
  std::optional<std::string> failure = failed_ ? std::nullopt : WaitUntilDelivered(progress);
  EndStateReading(progress);
  const int result = files_.Close(fd_);
  const int error = errno;
  fd_ = -1;
  if (result != 0 && !failure) failure = PrintingFailure(error, std::nullopt);
  return failure;
}

}  // namespace

DevicePrinter::DevicePrinter(std::vector<std::string> devices,
                             std::chrono::milliseconds stall_timeout, FileSystem* files)
    : devices_(std::move(devices)),
      stall_timeout_(stall_timeout),
      files_(files != nullptr ? files : &SystemFileSystem()) {}

PortOpening DevicePrinter::Open() {
  std::string errors;
  for (const std::string& path : devices_) {
    if (!errors.empty()) errors += "; ";
    const int fd = files_->OpenForWriting(path.c_str());
    if (fd < 0) {
      const int error = errno;
      errors += OpeningFailure(path, error);
      if (MeansNoDevice(error)) continue;
      break;
    }
    if (std::optional<std::string> error = PrepareRegularFile(fd, path)) {
      files_->Close(fd);
      errors += *error;
      break;
    }
    return {std::make_unique<DevicePort>(*files_, fd, path, stall_timeout_), ""};
  }
  return {nullptr, errors};
}

// A regular file standing in for a printer gets what a device driver does by itself: a
// second open is refused while a receipt is being written, and writes go to the end.
std::optional<std::string> DevicePrinter::PrepareRegularFile(int fd, const std::string& path) {
  const int regular = files_->IsRegularFile(fd);
  if (regular < 0) return OpeningFailure(path, errno);
  if (regular == 0) return std::nullopt;
  if (files_->LockExclusive(fd) != 0) {
    const int error = errno;
    return OpeningFailure(path, error == EWOULDBLOCK ? EBUSY : error);
  }
  if (files_->SeekToEnd(fd) < 0) return OpeningFailure(path, errno);
  return std::nullopt;
}
