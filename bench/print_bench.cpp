// Print latency as the cashier feels it: composing a full receipt, and the Print command
// from the press to the closed port, over a form held in memory and into a file standing
// in for the printer; then the same with ever longer cashier texts, up to 1 MiB, to show
// that the cost grows with the text and no faster. Last, how long the form can go without
// answering while a printer that has stopped taking bytes, and does not answer the
// question of its state, holds the print.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "form/sale_reading.h"
#include "form/total_command.h"
#include "port/printer_posix.h"
#include "receipt/print_command.h"
#include "receipt/receipt_layout.h"
#include "tests/port/reporting_file_system_posix.h"
#include "tests/support/scripted_progress.h"
#include "tests/support/typed_sale.h"

namespace {

// The longest sale the form holds: all six rows filled, one of them over 99 pieces.
TypedSale FullSale() {
  return {"李明",
          "20240305-017",
          "2024-3-5",
          "9:07",
          {{0, "2", "3.5"},
           {1, "1", "12.8"},
           {2, "3", "4.25"},
           {3, "10", "1.2"},
           {4, "1", "99.99"},
           {5, "150", "0.5"}},
          "300",
          "1",
          "2"};
}

// Where the printer's file goes: memory-backed where the system has such a place, so
// the disk's own work (a file system flushing a file emptied and written again) is not
// counted as the till's.
std::filesystem::path PrinterDirectory() {
  std::error_code error;
  std::filesystem::path memory = "/dev/shm";
  if (std::filesystem::is_directory(memory, error) && access(memory.c_str(), W_OK) == 0)
    return memory;
  return std::filesystem::temp_directory_path();
}

// A file standing in for the printer, removed when done.
class PrinterFile {
 public:
  PrinterFile() : path_(PrinterDirectory() / "receipt-bench-XXXXXX") {
    const int fd = mkstemp(path_.data());
    if (fd >= 0) close(fd);
    ok_ = fd >= 0;
  }
  ~PrinterFile() {
    if (ok_) unlink(path_.c_str());
  }
  PrinterFile(const PrinterFile&) = delete;
  PrinterFile& operator=(const PrinterFile&) = delete;

  bool ok() const { return ok_; }
  const std::string& path() const { return path_; }

  // Empties the file, as a printer's paper is gone once printed; returns how many bytes
  // it held, or -1.
  long long TakeContents() const {
    struct stat status {};
    if (stat(path_.c_str(), &status) != 0 || truncate(path_.c_str(), 0) != 0) return -1;
    return status.st_size;
  }

 private:
  std::string path_;
  bool ok_ = false;
};

// cppcheck-suppress constParameterCallback ; the library calls it with a mutable state
void BM_ComposeSixRows(benchmark::State& state) {
  FakeForm form;
  TypeSale(form, FullSale());
  TotalCommand total(form);
  total.OnTotal();
  ReceiptValues values{form.GetText(IDC_CASHIER),
                       form.GetText(IDC_RECEIPTNO),
                       "2024-03-05",
                       "09:07:00",
                       {},
                       total.Total(),
                       300.0,
                       "1",
                       "2"};
  for (const SaleLine& line : total.Sale().lines) values.items.push_back(line.item);
  for (auto _ : state) benchmark::DoNotOptimize(ComposeReceipt(values));
}

// Presses Print on `form` once per iteration; the file is emptied between presses,
// untimed. Each press must have printed every row, silently.
void PressPrint(benchmark::State& state, FakeForm& form) {
  PrinterFile file;
  if (!file.ok()) {
    state.SkipWithError("cannot create the printer file");
    return;
  }
  DevicePrinter printer({file.path()});
  TotalCommand total(form);
  ScriptedProgress progress;
  InlinePrint runner(progress);
  PrintCommand print(form, total, printer, runner);
  long long printed = 0;
  bool every_press_printed = true;
  for (auto _ : state) {
    print.OnPrint();
    state.PauseTiming();
    const long long bytes = file.TakeContents();
    every_press_printed = every_press_printed && bytes > 0;
    printed += bytes;
    state.ResumeTiming();
  }
  if (!form.messages.empty()) {
    state.SkipWithError("Print showed a message");
  } else if (!every_press_printed) {
    state.SkipWithError("a press printed nothing");
  } else if (total.ItemCount() != kItemRowCount) {
    state.SkipWithError("the receipt did not have every row");
  }
  state.SetBytesProcessed(printed);
}

void BM_PrintSixRows(benchmark::State& state) {
  FakeForm form;
  TypeSale(form, FullSale());
  PressPrint(state, form);
}

// The same sale with a cashier text of state.range(0) bytes of GBK (张 repeated).
void BM_PrintCashierBytes(benchmark::State& state) {
  FakeForm form;
  TypeSale(form, FullSale());
  std::string cashier;
  while (cashier.size() < static_cast<size_t>(state.range(0))) cashier += "\xD5\xC5";
  form.SetText(IDC_CASHIER, cashier);
  PressPrint(state, form);
  state.SetComplexityN(state.range(0));
}

// Stands for the cashier watching a print: each question from the port is a moment at which
// "取消" takes effect. Notes the longest span from the press to a question or between two,
// and stops the print, as "取消" does, once it has waited `stop_after`.
class CashierWatch : public PrintProgress {
 public:
  explicit CashierWatch(std::chrono::steady_clock::duration stop_after) : stop_after_(stop_after) {}

  bool KeepWaiting() override {
    const auto now = std::chrono::steady_clock::now();
    longest_ = std::max(longest_, now - last_turn_);
    last_turn_ = now;
    return now - pressed_ < stop_after_;
  }
  void ShowProblem(std::optional<PrinterProblem> /*problem*/) override {}

  void Pressed() { pressed_ = last_turn_ = std::chrono::steady_clock::now(); }
  double LongestSeconds() const { return std::chrono::duration<double>(longest_).count(); }

 private:
  std::chrono::steady_clock::duration stop_after_;
  std::chrono::steady_clock::time_point pressed_;
  std::chrono::steady_clock::time_point last_turn_;
  std::chrono::steady_clock::duration longest_{};
};

// A printer that has stopped taking bytes: a named pipe whose reader never reads, its
// buffer shrunk to one page so that a receipt cannot fit.
class StalledPrinter {
 public:
  StalledPrinter() : path_(std::filesystem::temp_directory_path() / "receipt-bench-stalled") {
    std::filesystem::remove(path_);
    if (mkfifo(path_.c_str(), 0600) != 0) return;
    reader_ = open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ok_ = reader_ >= 0 && fcntl(reader_, F_SETPIPE_SZ, 4096) >= 0;
  }
  ~StalledPrinter() {
    if (reader_ >= 0) close(reader_);
    std::filesystem::remove(path_);
  }
  StalledPrinter(const StalledPrinter&) = delete;
  StalledPrinter& operator=(const StalledPrinter&) = delete;

  bool ok() const { return ok_; }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
  int reader_ = -1;
  bool ok_ = false;
};

// One press of Print on a sale too long for the stalled printer, cancelled after 2 s;
// the iteration's time is the longest span in which a press of "取消" would have waited.
// The port asks for the printer's state after a second without progress and, as from a
// USB printer that does not reply, hears nothing for 5 s (when its driver gives up): the
// print ends once that answer has come.
void BM_StalledPrintLongestUnansweredSpan(benchmark::State& state) {
  StalledPrinter stalled;
  if (!stalled.ok()) {
    state.SkipWithError("cannot make the stalled printer");
    return;
  }
  FakeForm form;
  TypeSale(form, FullSale());
  form.SetText(IDC_CASHIER, std::string(size_t{64} * 1024, 'c'));
  ReportingFileSystem never_answered(std::nullopt);
  DevicePrinter printer({stalled.path()}, &never_answered);
  TotalCommand total(form);
  CashierWatch turns(std::chrono::seconds(2));
  InlinePrint runner(turns);
  PrintCommand print(form, total, printer, runner);
  for (auto _ : state) {
    turns.Pressed();
    print.OnPrint();
    state.SetIterationTime(turns.LongestSeconds());
  }
  if (form.messages.size() != 1 || !form.messages[0].starts_with(kCancelledMessage))
    state.SkipWithError("the print did not end as cancelled");
}

}  // namespace

BENCHMARK(BM_ComposeSixRows);
BENCHMARK(BM_PrintSixRows)->UseRealTime();
BENCHMARK(BM_PrintCashierBytes)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_StalledPrintLongestUnansweredSpan)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
