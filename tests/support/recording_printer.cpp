#include "tests/support/recording_printer.h"

#include <memory>

class RecordingPort : public PrinterPort {
 public:
  explicit RecordingPort(RecordingPrinter& printer) : printer_(printer) {}

  std::optional<std::string> Write(std::string_view bytes, PrintProgress& progress) override {
    printer_.Record("write");
    const bool fails = printer_.failing_write == printer_.writes.size();
    const bool stalls = printer_.stalling_write == printer_.writes.size();
    printer_.writes.emplace_back(bytes);
    if (stalls) return WaitUntilStopped(progress);
    return fails ? std::optional<std::string>(printer_.write_error) : std::nullopt;
  }

  std::optional<std::string> Close(PrintProgress& /*progress*/) override {
    printer_.Record("close");
    ++printer_.closes;
    return printer_.close_error;
  }

 private:
  // A watcher that never says stop ends the wait as the printer's own timeout would.
  static std::string WaitUntilStopped(PrintProgress& progress) {
    for (int ask = 0; ask < kAsksBeforeTimeout; ++ask)
      if (!progress.KeepWaiting()) return std::string(kPrintCancelledReason);
    return "stalled";
  }
  static constexpr int kAsksBeforeTimeout = 1000;

  RecordingPrinter& printer_;
};

PortOpening RecordingPrinter::Open() {
  Record("open");
  ++opens;
  if (open_error) return {nullptr, *open_error};
  return {std::make_unique<RecordingPort>(*this), ""};
}

void RecordingPrinter::Record(const char* event) {
  if (events_ != nullptr) events_->push_back(event);
}
