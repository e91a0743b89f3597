// The till's own Print command inside the test machine: each golden sale typed into a
// form held in memory and printed through the till's "LPT1" (/dev/lp0, else /dev/usb/lp0)
// by the real device port, as the cashier's account (in the group lp) or as an account
// outside it. What the cashier would see is written to standard output, a line each:
// "problem HEX" for the progress window's problem text (no HEX once it is over) and
// "message HEX" for a message box, the GBK text as hex pairs.
//
//   guest_print [--stranger] SALE...
#include <grp.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "form/total_command.h"
#include "port/lpt1.h"
#include "receipt/print_command.h"
#include "receipt/print_messages.h"
#include "tests/support/fake_form.h"
#include "tests/support/golden_receipt.h"
#include "tests/support/golden_sales.h"

namespace {

constexpr uid_t kCashier = 1000;
constexpr gid_t kPrinterGroup = 7;  // lp

void Report(const char* what, std::string_view text) {
  const std::string line = std::string(what) + " " + Hex(text) + "\n";
  // One write a line, unbuffered: the printer program reads the lines as they come.
  if (write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
    std::perror("guest_print: report");
}

// The progress window, as far as the cashier reads it.
class ReportedProgress : public PrintProgress {
 public:
  bool KeepWaiting() override { return true; }
  void ShowProblem(std::optional<PrinterProblem> problem) override {
    Report("problem", problem ? ProblemText(*problem) : std::string_view());
  }
};

const GoldenCase* FindSale(std::string_view name) {
  const std::vector<GoldenCase>& sales = GoldenSales();
  const auto sale = std::ranges::find_if(
      sales, [name](const GoldenCase& golden) { return name == golden.golden; });
  if (sale != sales.end()) return &*sale;
  std::fprintf(stderr, "guest_print: no sale %.*s\n", static_cast<int>(name.size()), name.data());
  return nullptr;
}

// Becomes the cashier, in the group lp unless a `stranger` to it.
bool BecomeCashier(bool stranger) {
  const gid_t groups[] = {kPrinterGroup};
  return setgroups(stranger ? 0 : 1, groups) == 0 && setresgid(kCashier, kCashier, kCashier) == 0 &&
         setresuid(kCashier, kCashier, kCashier) == 0;
}

void Print(const GoldenCase& sale, PrinterConnector& printer, PrintProgress& progress) {
  FakeForm form;
  TypeSale(form, sale.Typed());
  TotalCommand total(form);
  InlinePrint runner(progress);
  PrintCommand(form, total, printer, runner).OnPrint();
  for (const std::string& message : form.messages) Report("message", message);
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  const bool stranger = argc > 1 && std::strcmp(argv[1], "--stranger") == 0;
  if (stranger) ++first;
  if (!BecomeCashier(stranger)) {
    std::perror("guest_print: cannot become the cashier");
    return 2;
  }
  const std::unique_ptr<PrinterConnector> printer = MakeLpt1Connector();
  ReportedProgress progress;
  for (int i = first; i < argc; ++i) {
    const GoldenCase* sale = FindSale(argv[i]);
    if (sale == nullptr) return 2;
    Print(*sale, *printer, progress);
  }
  return 0;
}
