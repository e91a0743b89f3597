#include "form/item_row.h"

#include <gtest/gtest.h>

#include <set>

#include "text/gbk.h"

namespace {

TEST(ItemRowTest, RowsFollowTheIdRule) {
  EXPECT_EQ(kItemRows[0].goods, 1007);
  EXPECT_EQ(kItemRows[0].quantity, 1006);
  EXPECT_EQ(kItemRows[0].price, 1008);
  EXPECT_EQ(kItemRows[3].price, 1017);
  EXPECT_EQ(kItemRows[5].goods, 1022);
  EXPECT_EQ(kItemRows[5].quantity, 1021);
  EXPECT_EQ(kItemRows[5].price, 1023);
}

TEST(ItemRowTest, RowControlsNeverOverlapTheOtherControls) {
  std::set<int> ids = {IDC_PRINT,           IDC_ABOUT,   IDC_CASHIER, IDC_RECEIPTNO,
                       IDC_RECEIVED,        IDC_PERIOD1, IDC_PERIOD2, IDC_TOTAL_BUTTON,
                       IDC_TOTAL,           IDC_DATE,    IDC_TIME,    IDC_PASSPHRASE,
                       IDC_PASSPHRASE_LABEL};
  for (const ItemRow& row : kItemRows) {
    EXPECT_TRUE(ids.insert(row.goods).second) << row.goods;
    EXPECT_TRUE(ids.insert(row.quantity).second) << row.quantity;
    EXPECT_TRUE(ids.insert(row.price).second) << row.price;
  }
}

TEST(ItemRowTest, GoodsAreTheSixNamesInOrder) {
  const char* const expected[] = {"绿豆", "大豆", "玉米", "花生油", "东北米", "挂面"};
  ASSERT_EQ(kGoods.size(), 6u);
  for (size_t i = 0; i < kGoods.size(); ++i) EXPECT_EQ(kGoods[i], Utf8ToGbk(expected[i])) << i;
}

}  // namespace
