#include "text/gbk_posix.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "text/till_texts_utf8.h"

namespace {

struct OpeningCase {
  const char* name;
  const char* codeset;
  std::optional<std::string> message;
  std::string mung_beans_2;  // what "绿豆 2" becomes
};

void PrintTo(const OpeningCase& opening, std::ostream* out) {
  *out << opening.codeset;
}

class IconvGbkTest : public testing::TestWithParam<OpeningCase> {};

// A system without iconv's GBK module: the till is told what to say instead of printing
// question marks.
TEST_P(IconvGbkTest, SaysWhenItCannotConvert) {
  IconvGbk gbk(GetParam().codeset);
  EXPECT_EQ(gbk.UnavailableReason(), GetParam().message);
  EXPECT_EQ(gbk.FromUtf8("绿豆 2"), GetParam().mung_beans_2);
}

INSTANTIATE_TEST_SUITE_P(
    Codesets, IconvGbkTest,
    testing::Values(OpeningCase{"Gbk", "GBK", std::nullopt, std::string(kMungBeans) + " 2"},
                    OpeningCase{"Missing", "NO-SUCH-CODESET",
                                "iconv_open NO-SUCH-CODESET: Invalid argument", "?????? 2"}),
    [](const testing::TestParamInfo<OpeningCase>& info) { return std::string(info.param.name); });

}  // namespace
