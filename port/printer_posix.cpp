#include "port/printer_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "port/file_system_posix.h"
#include "text/format.h"

namespace {

// The system's reason for an error number, untranslated (so it is plain ASCII, valid
// GBK) whatever the user's locale.
std::string Reason(int error) {
  const char* text = strerrordesc_np(error);
  return text != nullptr ? text : Format("error %d", error);
}

std::string Failure(const std::string& path, int error) {
  return path + ": " + Reason(error);
}

// Errors meaning "no printer here", after which the next device is worth trying.
bool MeansNoDevice(int error) {
  return error == ENOENT || error == ENODEV || error == ENXIO;
}

constexpr std::chrono::milliseconds kFirstBackoff{1};
constexpr std::chrono::milliseconds kLongestBackoff = kLongestWaitBetweenAsks;

class DevicePort : public PrinterPort {
 public:
  DevicePort(FileSystem& files, int fd, std::string path, std::chrono::milliseconds stall_timeout)
      : files_(files), fd_(fd), path_(std::move(path)), stall_timeout_(stall_timeout) {}
  ~DevicePort() override {
    if (fd_ >= 0) files_.Close(fd_);
  }
  DevicePort(const DevicePort&) = delete;
  DevicePort& operator=(const DevicePort&) = delete;

  std::optional<std::string> Write(std::string_view bytes, PrintProgress& progress) override;
  std::optional<std::string> Close() override;

 private:
  void WaitForRoom(std::chrono::milliseconds backoff);
  std::string StallFailure() const;

  FileSystem& files_;
  int fd_;
  std::string path_;
  std::chrono::milliseconds stall_timeout_;
};

// Completes short writes, retries interrupted ones, waits while the printer has no room,
// and gives up once it has accepted nothing for the stall timeout or `progress` says stop.
std::optional<std::string> DevicePort::Write(std::string_view bytes, PrintProgress& progress) {
  size_t done = 0;
  auto last_progress = files_.Now();
  auto backoff = kFirstBackoff;
  while (done < bytes.size()) {
    const ssize_t written = files_.Write(fd_, bytes.data() + done, bytes.size() - done);
    if (written > 0) {
      done += static_cast<size_t>(written);
      last_progress = files_.Now();
      backoff = kFirstBackoff;
      continue;
    }
    const int error = written < 0 ? errno : EAGAIN;
    if (error == EINTR) continue;
    if (error != EAGAIN && error != EWOULDBLOCK) return Failure(path_, error);
    if (files_.Now() - last_progress >= stall_timeout_) return StallFailure();
    if (!progress.KeepWaiting()) return std::string(kPrintCancelledReason);
    WaitForRoom(backoff);
    backoff = std::min(backoff * 2, kLongestBackoff);
  }
  return std::nullopt;
}

// A device that cannot tell when it has room (the parallel-port driver cannot) answers
// "ready" at once; sleeping then keeps the wait from spinning.
void DevicePort::WaitForRoom(std::chrono::milliseconds backoff) {
  if (files_.WaitForRoom(fd_, backoff) != 0) files_.Sleep(backoff);
}

std::string DevicePort::StallFailure() const {
  const auto ms = stall_timeout_.count();
  const std::string span = ms % 1000 == 0
                               ? Format("%lld seconds", static_cast<long long>(ms / 1000))
                               : Format("%lld ms", static_cast<long long>(ms));
  return path_ + ": the printer accepted nothing for " + span + " (offline or out of paper?)";
}

std::optional<std::string> DevicePort::Close() {
  if (fd_ < 0) return std::nullopt;
  const int result = files_.Close(fd_);
  fd_ = -1;
  if (result != 0) return Failure(path_, errno);
  return std::nullopt;
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
      errors += Failure(path, error);
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
  if (regular < 0) return Failure(path, errno);
  if (regular == 0) return std::nullopt;
  if (files_->LockExclusive(fd) != 0) {
    const int error = errno;
    return Failure(path, error == EWOULDBLOCK ? EBUSY : error);
  }
  if (files_->SeekToEnd(fd) < 0) return Failure(path, errno);
  return std::nullopt;
}
