// The sale's date and time as texts: the form's two boxes are filled in at start with the
// local date and time, and the receipt prints what the cashier left in them.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

struct DateTimeTexts {
  std::string date;  // "%Y-%m-%d"
  std::string time;  // "%H:%M:%S"
};

// `now` in local time, both texts from the one reading; empty texts when the system cannot
// express `now` as a calendar time.
DateTimeTexts LocalDateTimeTexts(std::time_t now);

// What the cashier left in the two boxes, read as one "<date> <time>" text and written the
// way the form fills them in at start, "%Y-%m-%d" and "%H:%M:%S". A form nobody edited
// therefore prints unchanged.
//
// Accepted (white space around and between the two parts is free; all of it is one
// text, so a date box holding "2024-3-5 9:07" with an empty time box reads too):
//   date  YYYY-M-D, YYYY/M/D or YYYY.M.D: a four-digit year from 0001, then month and
//         day of one or two digits, the same separator twice;
//   time  H:M or H:M:S, each of one or two digits; seconds default to 0.
// Ranges are checked: month 1-12, the day within its month (29 February only in leap
// years), hour 0-23, minute and second 0-59.
//
// Anything else (a missing part, a word, an impossible date) cannot be read, and the
// receipt then carries the two texts exactly as typed: the print goes ahead and nothing
// the cashier wrote is lost or replaced by an invented date.
DateTimeTexts NormaliseDateTime(std::string_view date, std::string_view time);
