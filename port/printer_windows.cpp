#include "port/printer_windows.h"

#include <windows.h>
// After windows.h, which it needs.
#include <ntddpar.h>

#include <algorithm>
#include <chrono>

#include "port/printer_wait.h"
#include "text/format.h"
#include "text/gbk.h"
#include "text/wide_text_windows.h"

static_assert(kParallelPaperEmpty == PARALLEL_PAPER_EMPTY &&
              kParallelOffLine == PARALLEL_OFF_LINE && kParallelPowerOff == PARALLEL_POWER_OFF &&
              kParallelNotConnected == PARALLEL_NOT_CONNECTED);

namespace {

// The system's text for an error code, in GBK like every text of the till. Asked for in
// UTF-16 rather than in the system's ANSI code page, which is GBK only on Chinese systems.
std::string SystemWords(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason = length > 0 ? Utf8ToGbk(WideToUtf8(std::wstring_view(text, length)))
                                  : Format("error %lu", error);
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() &&
         (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
    reason.pop_back();
  return reason;
}

// The port driver waits for an offline printer without end; a short total write timeout
// makes each write return after a slice of waiting, so the port can ask the watcher and
// count the time since the printer last took a byte, as on Linux.
void LimitWriteWait(HANDLE handle) {
  COMMTIMEOUTS timeouts{};
  timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(kLongestWaitBetweenAsks.count());
  // Fails for a file standing in for the port, which has no timeouts and never stalls:
  // nothing to do then.
  [[maybe_unused]] const BOOL limited = SetCommTimeouts(handle, &timeouts);
}

// A write's slice of waiting ran out: the printer took nothing in it, which is no failure
// yet. Ports report it as a failed write or as one that moved nothing.
bool SliceRanOut(DWORD error) {
  return error == ERROR_TIMEOUT || error == ERROR_SEM_TIMEOUT || error == ERROR_COUNTER_TIMEOUT;
}

// Windows' own words name the reason, in the system's language.
PrinterFailure Failure(const std::string& device, DWORD error) {
  return {PrinterFault::kSystemError, device, static_cast<int>(error), SystemWords(error), {}};
}

class WindowsPort : public PrinterPort {
 public:
  WindowsPort(HANDLE handle, std::string device) : handle_(handle), device_(std::move(device)) {}
  ~WindowsPort() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  WindowsPort(const WindowsPort&) = delete;
  WindowsPort& operator=(const WindowsPort&) = delete;

  std::optional<PrinterFailure> Write(std::string_view bytes, PrintProgress& progress) override {
    std::optional<PrinterFailure> failure = WriteAll(bytes, progress);
    if (failure) failure->receipt_started = took_bytes_;
    return failure;
  }

  // WriteFile returns once the port driver (or the spooler behind a share) has the bytes:
  // nothing is on its way to be lost by closing.
  std::optional<PrinterFailure> Close(PrintProgress& /*progress*/) override {
    if (handle_ == INVALID_HANDLE_VALUE) return std::nullopt;
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (closed) return std::nullopt;
    PrinterFailure failure = Failure(device_, GetLastError());
    failure.receipt_started = took_bytes_;
    return failure;
  }

 private:
  static PrinterWait::TimePoint Now() { return std::chrono::steady_clock::now(); }

  // Completes short writes; while the printer takes nothing, asks `progress` between
  // slices, and gives up once it has taken nothing for the stall time. Paper out or
  // offline, as the write or the port's status says, is waited out however long.
  std::optional<PrinterFailure> WriteAll(std::string_view bytes, PrintProgress& progress) {
    size_t done = 0;
    PrinterWait wait(progress, device_, Now());
    while (done < bytes.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
      DWORD written = 0;
      const DWORD error = WriteFile(handle_, bytes.data() + done, chunk, &written, nullptr)
                              ? NO_ERROR
                              : GetLastError();
      if (written > 0) {
        done += written;
        took_bytes_ = true;
        wait.TookBytes(Now());
        continue;
      }
      const bool failed = error != NO_ERROR && !SliceRanOut(error);
      if (error == ERROR_OUT_OF_PAPER) {
        wait.Reported(PrinterProblem::kPaperOut, Now());
      } else if (failed && !wait.WaitingOutProblem()) {
        if (has_status_lines_) ReadState(wait);
        if (!wait.WaitingOutProblem()) return Failure(device_, error);
      }
      if (std::optional<PrinterFailure> stalled = wait.Stalled(Now())) return stalled;
      if (has_status_lines_ && wait.StateDue(Now())) ReadState(wait);
      if (std::optional<PrinterFailure> cancelled = wait.AskWatcher()) return cancelled;
      // A failed write returns at once, without its slice of waiting.
      if (failed) Sleep(static_cast<DWORD>(kLongestWaitBetweenAsks.count()));
    }
    return std::nullopt;
  }

  // The parallel port driver answers from the port's status lines without asking the
  // printer anything, so this does not hold the form up. A port mapped to a shared
  // printer, or a file standing in for one, has no such lines and is not asked again.
  void ReadState(PrinterWait& wait) {
    PAR_QUERY_INFORMATION status{};
    DWORD returned = 0;
    if (DeviceIoControl(handle_, IOCTL_PAR_QUERY_INFORMATION, nullptr, 0, &status, sizeof status,
                        &returned, nullptr) &&
        returned == sizeof status) {
      wait.Reported(ProblemOfParallelStatus(status.Status), Now());
    } else {
      has_status_lines_ = false;
      wait.Reported(std::nullopt, Now());
    }
  }

  HANDLE handle_;
  std::string device_;
  bool has_status_lines_ = true;  // until the port says it has none
  bool took_bytes_ = false;       // some byte of the receipt was written
};

}  // namespace

PortOpening WindowsPrinter::Open() {
  HANDLE handle =
      CreateFileA(device_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {nullptr, {Failure(device_, GetLastError())}};
  // A port has no position; a file standing in for one is appended to.
  const DWORD position = SetFilePointer(handle, 0, nullptr, FILE_END);
  const DWORD seek_error = position == INVALID_SET_FILE_POINTER ? GetLastError() : NO_ERROR;
  if (seek_error != NO_ERROR && GetFileType(handle) == FILE_TYPE_DISK) {
    CloseHandle(handle);
    return {nullptr, {Failure(device_, seek_error)}};
  }
  LimitWriteWait(handle);
  return {std::make_unique<WindowsPort>(handle, device_), {}};
}
