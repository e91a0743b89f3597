#include "receipt/print_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <string>

#include "text/gbk.h"
#include "text/till_texts_utf8.h"

namespace {

using enum PrinterFault;
constexpr auto kNoPaper = PrinterProblem::kPaperOut;

PrinterFailure Failure(PrinterFault fault, int error = 0, const char* words = "",
                       std::optional<PrinterProblem> state = std::nullopt, bool started = false) {
  return {fault, "/dev/lp0", error, words, state, started};
}

// What the cashier reads for an outcome, kept readable here on purpose: a changed entry of
// the texts table fails its row.
struct MessageCase {
  const char* name;
  PrintOutcome outcome;
  const char* readable;
};

void PrintTo(const MessageCase& row, std::ostream* out) {
  *out << row.name;
}

class PrintMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(PrintMessageTest, SaysWhatHappenedThenWhy) {
  EXPECT_EQ(GbkToUtf8(PrintMessage(GetParam().outcome)), GetParam().readable);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PrintMessageTest,
    testing::Values(
        MessageCase{"Printed", {true, {}}, ""},
        MessageCase{"NoDeviceEither",
                    {false,
                     {Failure(kNoDevice, ENOENT, "No such file or directory"),
                      {kNoDevice, "/dev/usb/lp0", ENODEV, "No such device", {}}}},
                    "没有连接打印机或者打印机端口不是LPT1！\n/dev/lp0: "
                    "找不到打印机设备。（No such file or directory）; /dev/usb/lp0: "
                    "找不到打印机设备。（No such device）"},
        MessageCase{"OpenedWithoutAReason", {false, {}}, "没有连接打印机或者打印机端口不是LPT1！"},
        MessageCase{"SystemsOwnWordsAlone",
                    {true, {Failure(kSystemError, 31, "Not functioning.")}},
                    "打印机写入失败，小票可能不完整！\n/dev/lp0: Not functioning."},
        MessageCase{"CancelledOutOfPaper",
                    {true, {Failure(kCancelled, 0, "", kNoPaper)}},
                    "打印已取消。\n打印机缺纸，请装纸。"},
        MessageCase{"CancelledPartWay",
                    {true, {Failure(kCancelled, 0, "", kNoPaper, true)}},
                    "打印已取消。\n打印机缺纸，请装纸。小票只打印了一部分，请撕下已打印的部分。"}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

TEST(NoGbkMessageTest, TellsTheCashierThenTheInstallerWithTheSystemsWords) {
  EXPECT_EQ(NoGbkMessage("iconv_open GBK: Invalid argument"),
            std::string(utf8::kNoGbkMessage) + "\n" + std::string(utf8::kNoGbkModuleText) +
                "（iconv_open GBK: Invalid argument）");
}

}  // namespace
