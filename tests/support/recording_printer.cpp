#include "tests/support/recording_printer.h"

#include <memory>

class RecordingPort : public PrinterPort {
 public:
  explicit RecordingPort(RecordingPrinter& printer) : printer_(&printer) {}

  std::optional<PrinterFailure> Write(std::string_view bytes, PrintProgress& progress) override {
    printer_->Record("write");
    const bool fails = printer_->failing_write == printer_->writes.size();
    const bool stalls = printer_->stalling_write == printer_->writes.size();
    const bool started = !printer_->writes.empty();
    printer_->writes.emplace_back(bytes);
    if (stalls) return WaitUntilStopped(progress, started);
    if (!fails) return std::nullopt;
    PrinterFailure failure = printer_->write_failure;
    failure.receipt_started = started;
    return failure;
  }

  std::optional<PrinterFailure> Close(PrintProgress& /*progress*/) override {
    printer_->Record("close");
    ++printer_->closes;
    return printer_->close_failure;
  }

 private:
  // A watcher that never says stop ends the wait as the printer's own stall limit would.
  static PrinterFailure WaitUntilStopped(PrintProgress& progress, bool started) {
    PrinterFailure failure{PrinterFault::kStalled, "LPT1", 0, {}, {}};
    failure.receipt_started = started;
    for (int ask = 0; ask < kAsksBeforeTimeout; ++ask) {
      if (progress.KeepWaiting()) continue;
      failure.fault = PrinterFault::kCancelled;
      break;
    }
    return failure;
  }
  static constexpr int kAsksBeforeTimeout = 1000;

  RecordingPrinter* printer_;
};

PortOpening RecordingPrinter::Open() {
  Record("open");
  ++opens;
  if (open_failures) return {nullptr, *open_failures};
  return {std::make_unique<RecordingPort>(*this), {}};
}

void RecordingPrinter::Record(const char* event) {
  if (events_ != nullptr) events_->push_back(event);
}
