#include "tests/support/golden_sales.h"

namespace {

// Indexes into the goods list.
constexpr int kMungBeans = 0;      // 绿豆
constexpr int kSoybeans = 1;       // 大豆
constexpr int kCorn = 2;           // 玉米
constexpr int kPeanutOil = 3;      // 花生油
constexpr int kNortheastRice = 4;  // 东北米
constexpr int kNoodles = 5;        // 挂面

std::string TwentyTimes(const std::string& text) {
  std::string repeated;
  for (int i = 0; i < 20; ++i) repeated += text;
  return repeated;
}

}  // namespace

TypedSale GoldenCase::Typed() const {
  return {cashier, receipt_number, date, time, rows, received, period1, period2};
}

void PrintTo(const GoldenCase& golden_case, std::ostream* out) {
  *out << golden_case.golden;
}

const std::vector<GoldenCase>& GoldenSales() {
  static const std::vector<GoldenCase> sales{
      GoldenCase{.golden = "one_row",
                 .rows = {{kMungBeans, "2", "3.5"}},
                 .received = "10",
                 .receipt_number = "0001",
                 .period1 = "12",
                 .period2 = "3"},
      GoldenCase{.golden = "two_rows",
                 .rows = {{kMungBeans, "2", "3.5"}, {kNoodles, "3", "1.25"}},
                 .received = "20",
                 .receipt_number = "42",
                 .date = "2024/3/5",
                 .time = "9:07:02",
                 .period1 = "3",
                 .period2 = "7"},
      GoldenCase{.golden = "six_rows",
                 .rows = {{kMungBeans, "1", "2.5"},
                          {kSoybeans, "2", "3"},
                          {kCorn, "10", "1.2"},
                          {kPeanutOil, "3", "12.8"},
                          {kNortheastRice, "5", "4.25"},
                          {kNoodles, "4", "0.75"}},
                 .received = "100",
                 .receipt_number = "A-17",
                 .cashier = "王芳",
                 .date = "2024/3/5",
                 .time = "9:07",
                 .period1 = "2"},
      GoldenCase{
          .golden = "quantity_over_99",
          .rows = {{kPeanutOil, "120", "1"}, {kMungBeans, "99", "2"}, {kSoybeans, "100", "0.5"}},
          .received = "400",
          .receipt_number = "7",
          .date = "2024-12-08",
          .time = "23:34:56"},
      GoldenCase{.golden = "negative_quantity",
                 .rows = {{kMungBeans, "-1", "5"}, {kSoybeans, "3", "2"}},
                 .received = "0.5",
                 .receipt_number = "8",
                 .period2 = "2"},
      GoldenCase{.golden = "empty_fields",
                 .rows = {{kNoodles, "1", "4"}},
                 .received = "5",
                 .receipt_number = "",
                 .period1 = "",
                 .period2 = ""},
      GoldenCase{.golden = "unparsable_date",
                 .rows = {{kMungBeans, "2", "3.5"}},
                 .received = "10",
                 .receipt_number = "9",
                 .date = "2023-02-29",
                 .time = "10:00"},
      GoldenCase{.golden = "received_without_digits",
                 .rows = {{kMungBeans, "2", "3.5"}},
                 .received = "abc",
                 .receipt_number = "10"},
      GoldenCase{.golden = "long_cashier",
                 .rows = {{kMungBeans, "2", "3.5"}},
                 .received = "10",
                 .receipt_number = "11",
                 .cashier = TwentyTimes("王")},
      GoldenCase{.golden = "chinese_and_non_gbk",
                 .rows = {{kNortheastRice, "2", "7.5"}},
                 .received = "20",
                 .receipt_number = "甲01",
                 .cashier = "张😀三",
                 .period1 = "早场",
                 .period2 = "第2期"}};
  return sales;
}
