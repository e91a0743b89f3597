#include "port/printer_problem.h"

#include <gtest/gtest.h>

#include <string>

#include "receipt/print_messages.h"
#include "text/gbk.h"

namespace {

struct StatusCase {
  bool linux_lines;  // LPGETSTATUS's lines, else a Windows parallel port's status
  unsigned status;
  const char* problem;  // what the cashier reads, "" when nothing is wrong
};

TEST(PrinterProblemTest, StatusLinesGiveTheProblemAndItsText) {
  for (const StatusCase& row : {
           // Linux: paper out 0x20 set when out, selected 0x10 clear when offline, error
           // 0x08 clear on error; busy and acknowledge (0x80, 0x40) say nothing of it.
           StatusCase{true, 0x18, ""},
           StatusCase{true, 0xD8, ""},
           StatusCase{true, 0x38, "打印机缺纸，请装纸。"},
           StatusCase{true, 0x20, "打印机缺纸，请装纸。"},  // also offline and in error
           StatusCase{true, 0x08, "打印机未联机，请检查电源和连线。"},
           StatusCase{true, 0x00, "打印机未联机，请检查电源和连线。"},  // also in error
           StatusCase{true, 0x10, "打印机出错，请检查打印机。"},
           // Windows: paper empty 0x04, off line 0x08, power off 0x10, not connected 0x20;
           // selected and busy (0x80, 0x40) say nothing of it.
           StatusCase{false, 0x80, ""},
           StatusCase{false, 0xC0, ""},
           StatusCase{false, 0x84, "打印机缺纸，请装纸。"},
           StatusCase{false, 0x0C, "打印机缺纸，请装纸。"},  // also off line
           StatusCase{false, 0x08, "打印机未联机，请检查电源和连线。"},
           StatusCase{false, 0x10, "打印机未联机，请检查电源和连线。"},
           StatusCase{false, 0x20, "打印机未联机，请检查电源和连线。"},
       }) {
    const std::optional<PrinterProblem> problem = row.linux_lines
                                                      ? ProblemOfLinuxStatus(int(row.status))
                                                      : ProblemOfParallelStatus(row.status);
    EXPECT_EQ(problem ? std::string(ProblemText(*problem)) : "", Utf8ToGbk(row.problem))
        << (row.linux_lines ? "Linux " : "Windows ") << row.status;
  }
}

}  // namespace
