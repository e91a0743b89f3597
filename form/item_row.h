// The six item rows of the form and the goods every row can be picked from.
#pragma once

#include <array>
#include <string_view>

#include "form/control_ids.h"
#include "text/till_texts.h"

// The three controls of one item row. Row r (1 to 6) owns quantity box 1006 + 3(r - 1),
// with its goods picker one above it and its unit-price box two above: rows 1 to 6 hold
// 1006 to 1023. A seventh row would collide with the amount received and the period's
// boxes (1024 to 1026), which need other IDs first.
struct ItemRow {
  int goods;
  int quantity;
  int price;
};

inline constexpr int kItemRowCount = 6;

// Row `row`, counted from 1.
constexpr ItemRow MakeItemRow(int row) {
  const int quantity = IDC_QTY1 + 3 * (row - 1);
  return ItemRow{quantity + 1, quantity, quantity + 2};
}

// Rows 1 to 6, in order.
inline constexpr std::array<ItemRow, kItemRowCount> kItemRows = [] {
  std::array<ItemRow, kItemRowCount> rows{};
  for (int row = 1; row <= kItemRowCount; ++row) rows[row - 1] = MakeItemRow(row);
  return rows;
}();

// The goods every picker offers, in display order (GBK bytes).
inline constexpr std::array<std::string_view, 6> kGoods = {
    kMungBeans, kSoybeans, kCorn, kPeanutOil, kNortheastRice, kNoodles,
};
