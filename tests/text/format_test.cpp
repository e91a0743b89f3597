#include "text/format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatTest, FormatsWithPrintfPatterns) {
  EXPECT_EQ(Format("%.2f", 7.0), "7.00");
  EXPECT_EQ(Format("%.0f  %.2f", 2.0, 3.5), "2  3.50");
  EXPECT_EQ(Format("%s", ""), "");
}

TEST(FormatTest, TakesTextsOfAnyLength) {
  const std::string long_text(1 << 20, 'x');
  EXPECT_EQ(Format("[%s]", long_text.c_str()), "[" + long_text + "]");
  EXPECT_EQ(Format("%.2f", 1e300).size(), 304u);
}

TEST(FormatTest, NeverInterpretsAnArgumentAsAPattern) {
  EXPECT_EQ(Format("%s", "%s%n%x"), "%s%n%x");
}

}  // namespace
