#include "form/form_setup.h"

#include <gtest/gtest.h>

#include "form/control_ids.h"
#include "form/item_row.h"
#include "tests/support/fake_form.h"
#include "tests/support/fixed_time_zone.h"

namespace {

TEST(FormSetupTest, FillsEveryPickerWithTheGoodsAndPicksNothing) {
  FakeForm form;
  SetUpForm(form, 0);
  for (const ItemRow& row : kItemRows) {
    EXPECT_EQ(form.Items(row.goods), std::vector<std::string>(kGoods.begin(), kGoods.end()));
    EXPECT_EQ(form.GetSelection(row.goods), kNoSelection);
    EXPECT_EQ(form.GetText(row.goods), "");
  }
}

TEST(FormSetupTest, WritesDateAndTimeOfTheOneReadingAndFocusesTheCashier) {
  FixedTimeZone zone("UTC-8");  // POSIX sign: eight hours east, China Standard Time
  FakeForm form;
  SetUpForm(form, 1733672096);  // 2024-12-08 15:34:56 UTC
  EXPECT_EQ(form.GetText(IDC_DATE), "2024-12-08");
  EXPECT_EQ(form.GetText(IDC_TIME), "23:34:56");
  EXPECT_EQ(form.focus, std::vector<int>{IDC_CASHIER});
}

}  // namespace
