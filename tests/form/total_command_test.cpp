#include "form/total_command.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "tests/support/fake_form.h"

namespace {

struct Row {
  int goods;  // index into the goods list, or kNoSelection
  std::string quantity;
  std::string price;
};

struct TotalCase {
  const char* name;
  std::vector<Row> rows;  // rows 1, 2, ... as typed; the rest stay empty
  int32_t count;
  const char* shown;
};

void PrintTo(const TotalCase& total_case, std::ostream* out) {
  *out << total_case.name;
}

class TotalCommandTest : public testing::TestWithParam<TotalCase> {};

TEST_P(TotalCommandTest, CountsTheLeadingValidRowsAndShowsTheirSum) {
  FakeForm form;
  form.FillPickers();
  int row = 1;
  for (const Row& typed : GetParam().rows)
    form.FillRow(row++, typed.goods, typed.quantity, typed.price);
  TotalCommand total(form);
  total.OnTotal();
  EXPECT_EQ(total.ItemCount(), GetParam().count);
  EXPECT_EQ(form.GetText(IDC_TOTAL), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TotalCommandTest,
    testing::Values(
        TotalCase{"EmptyForm", {}, 0, "0.00"},
        TotalCase{"NothingPickedInRowOne",
                  {{kNoSelection, "2", "3"}, {0, "1", "1"}, {1, "1", "1"}},
                  0,
                  "0.00"},
        TotalCase{"OneRow", {{0, "2", "3.5"}}, 1, "7.00"},
        TotalCase{"RowThreeEmptyEndsTheRun",
                  {{0, "1", "1.25"}, {1, "2", "2"}, {kNoSelection, "", ""}, {2, "5", "5"}},
                  2,
                  "5.25"},
        TotalCase{"NegativeQuantityCounts", {{0, "-2", "1.5"}, {1, "", "1"}}, 1, "-3.00"},
        TotalCase{"HalfQuantityReadsAsZero", {{0, "0.5", "1"}, {1, "1", "1"}}, 0, "0.00"},
        TotalCase{"FractionalQuantityCountsWhole", {{0, "2.7", "1"}}, 1, "2.00"},
        TotalCase{"PriceBelowTheThreshold", {{0, "1", "0.0009"}}, 0, "0.00"},
        TotalCase{"PriceAtTheThreshold", {{0, "1000", "0.001"}}, 1, "1.00"},
        TotalCase{"NegativePrice", {{0, "1", "-1"}}, 0, "0.00"},
        TotalCase{"PriceWithoutDigits", {{0, "1", "abc"}}, 0, "0.00"},
        TotalCase{"PriceNotANumberWord", {{0, "1", "nan"}}, 0, "0.00"},
        TotalCase{"QuantityWithTrailingText", {{0, "12abc", "1"}}, 1, "12.00"},
        TotalCase{"SixRows",
                  {{0, "1", "1"},
                   {1, "2", "2"},
                   {2, "3", "3"},
                   {3, "4", "4"},
                   {4, "5", "5"},
                   {5, "6", "6"}},
                  6,
                  "91.00"},
        TotalCase{"LargeQuantitySaturates", {{0, "2147483648", "1"}}, 1, "2147483647.00"}),
    [](const testing::TestParamInfo<TotalCase>& info) { return info.param.name; });

TEST(TotalCommandRerunTest, RecomputesFromScratch) {
  FakeForm form;
  form.FillPickers();
  form.FillRow(1, 0, "2", "3");
  form.FillRow(2, 1, "1", "4");
  TotalCommand total(form);
  total.OnTotal();
  ASSERT_EQ(total.ItemCount(), 2);
  form.FillRow(1, kNoSelection, "2", "3");
  total.OnTotal();
  EXPECT_EQ(total.ItemCount(), 0);
  EXPECT_EQ(total.Total(), 0.0);
  EXPECT_EQ(form.GetText(IDC_TOTAL), "0.00");
}

}  // namespace
