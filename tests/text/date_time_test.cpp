#include "text/date_time.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/fixed_time_zone.h"

namespace {

struct DateTimeCase {
  const char* name;
  const char* date;  // as typed
  const char* time;
  const char* printed_date;
  const char* printed_time;
};

void PrintTo(const DateTimeCase& date_time_case, std::ostream* out) {
  *out << date_time_case.name;
}

class NormaliseDateTimeTest : public testing::TestWithParam<DateTimeCase> {};

TEST_P(NormaliseDateTimeTest, WritesTheFullFormOrKeepsTheTypedTexts) {
  const DateTimeTexts printed = NormaliseDateTime(GetParam().date, GetParam().time);
  EXPECT_EQ(printed.date, GetParam().printed_date);
  EXPECT_EQ(printed.time, GetParam().printed_time);
}

std::string CaseName(const testing::TestParamInfo<DateTimeCase>& info) {
  return info.param.name;
}

DateTimeCase Same(const char* name, const char* date, const char* time) {
  return {name, date, time, date, time};
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, NormaliseDateTimeTest,
    testing::Values(
        Same("SetUpFormsUnchanged", "2024-12-08", "23:34:56"),
        DateTimeCase{"FirstMoment", "0001/1/1", "0:0:0", "0001-01-01", "00:00:00"},
        DateTimeCase{"LastMomentOfAYear", "9999/12/31", "23:59:59", "9999-12-31", "23:59:59"},
        DateTimeCase{"OneDigitParts", "2024-3-5", "9:7:2", "2024-03-05", "09:07:02"},
        DateTimeCase{"Slashes", "2024/03/05", "09:07:02", "2024-03-05", "09:07:02"},
        DateTimeCase{"Dots", "2024.3.5", "09:07:02", "2024-03-05", "09:07:02"},
        DateTimeCase{"NoSeconds", "2024-03-05", "9:07", "2024-03-05", "09:07:00"},
        DateTimeCase{"WhiteSpaceAround", " 2024-03-05\t", " 09:07 ", "2024-03-05", "09:07:00"},
        DateTimeCase{"BothInTheDateBox", "2024-03-05 09:07:02", "", "2024-03-05", "09:07:02"},
        DateTimeCase{"LeapDay", "2024/2/29", "12:0", "2024-02-29", "12:00:00"},
        DateTimeCase{"LeapDayEveryFourHundredYears", "2000/2/29", "12:0", "2000-02-29", "12:00:00"},
        DateTimeCase{"LastDayOfAThirtyDayMonth", "2024/4/30", "12:0", "2024-04-30", "12:00:00"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    KeptAsTyped, NormaliseDateTimeTest,
    testing::Values(
        Same("NoLeapDay", "2023-02-29", "12:00"), Same("NoLeapDayInACentury", "1900-02-29", "9:00"),
        Same("MonthThirteen", "2024-13-01", "12:00"), Same("MonthZero", "2024-0-10", "12:00"),
        Same("DayZero", "2024-01-00", "12:00"), Same("DayThirtyTwo", "2024-01-32", "12:00"),
        Same("ThirtyFirstOfApril", "2024-04-31", "12:00"), Same("YearZero", "0000-01-01", "12:00"),
        Same("HourTwentyFour", "2024-03-05", "24:00"), Same("MinuteSixty", "2024-03-05", "12:60"),
        Same("SecondSixty", "2024/3/5", "12:0:60"), Same("DateOnly", "2024-03-05", ""),
        Same("TimeOnly", "", "09:07"), Same("BothEmpty", "", ""),
        Same("HourOnly", "2024-03-05", "9"), Same("TwoDigitYear", "24-03-05", "12:00"),
        Same("FiveDigitYear", "20245-03-05", "12:00"),
        Same("ThreeDigitMonth", "2024-003-05", "12:00"),
        Same("MixedSeparators", "2024-03/05", "12:00"),
        Same("TrailingWord", "2024-03-05", "09:07 PM"),
        Same("LetterBetween", "2024-03-05T09:07:02", ""),
        Same("Words", "\xC3\xF7\xCC\xEC", "10:00")),  // 明天
    CaseName);

TEST(LocalDateTimeTextsTest, DateAndTimeComeFromTheSameMoment) {
  FixedTimeZone zone("UTC");
  const DateTimeTexts texts = LocalDateTimeTexts(1704067199);  // the last second of 2023
  EXPECT_EQ(texts.date, "2023-12-31");
  EXPECT_EQ(texts.time, "23:59:59");
}

}  // namespace
