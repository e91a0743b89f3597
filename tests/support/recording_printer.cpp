#include "tests/support/recording_printer.h"

#include <memory>

class RecordingPort : public PrinterPort {
 public:
  explicit RecordingPort(RecordingPrinter& printer) : printer_(printer) {}

  std::optional<std::string> Write(std::string_view bytes) override {
    printer_.Record("write");
    const bool fails = printer_.failing_write == printer_.writes.size();
    printer_.writes.emplace_back(bytes);
    return fails ? std::optional<std::string>(printer_.write_error) : std::nullopt;
  }

  std::optional<std::string> Close() override {
    printer_.Record("close");
    ++printer_.closes;
    return printer_.close_error;
  }

 private:
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
