#include "form/sale_reading.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/fake_form.h"

namespace {

TEST(LineAmountTest, IsTheQuantityTimesThePriceAndMayLeaveTheRange) {
  EXPECT_EQ(LineAmount(2, 1.5), 3.0);
  EXPECT_EQ(LineAmount(-2, 1.5), -3.0);
  EXPECT_EQ(LineAmount(1, 1e308), 1e308);
  EXPECT_EQ(LineAmount(10, 1e308), HUGE_VAL);
  EXPECT_EQ(LineAmount(-10, 1e308), -HUGE_VAL);
}

// Which rows count, and their sum, are the Total command's table; this is what the
// reading keeps of each row for the receipt: its numbers as read, once.
TEST(ReadSaleTest, KeepsEachCountedRowsNumbersControlsAndRunningTotal) {
  FakeForm form;
  form.FillPickers();
  form.FillRow(1, 0, "2", "3.5");
  form.FillRow(2, 3, " 1x", "1.25");
  form.FillRow(3, 1, "-1", "2");
  form.FillRow(4, kNoSelection, "1", "1");
  form.FillRow(5, 2, "1", "1");
  const SaleReading sale = ReadSale(form);
  ASSERT_EQ(sale.ItemCount(), 3);
  EXPECT_EQ(sale.lines[0].item.goods, kGoods[0]);
  EXPECT_EQ(sale.lines[1].item.goods, kGoods[3]);
  EXPECT_EQ(sale.lines[1].item.quantity, 1);
  EXPECT_EQ(sale.lines[1].item.price, 1.25);
  EXPECT_EQ(sale.lines[2].item.amount, -2.0);
  EXPECT_EQ(sale.lines[2].controls.quantity, MakeItemRow(3).quantity);
  EXPECT_EQ(sale.lines[0].subtotal, 7.0);
  EXPECT_EQ(sale.lines[1].subtotal, 8.25);
  EXPECT_EQ(sale.lines[2].subtotal, 6.25);
  EXPECT_EQ(sale.total, sale.lines[2].subtotal);
}

}  // namespace
