#include "text/date_time.h"

#include <optional>
#include <string>

#include "text/char_class.h"
#include "text/format.h"
#include "text/local_time.h"

namespace {

struct Moment {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Reads a text from left to right; every step says whether it found what it wanted.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // Reads `min_digits` to `max_digits` decimal digits into `value`.
  bool Number(size_t min_digits, size_t max_digits, int& value) {
    size_t digits = 0;
    value = 0;
    while (digits < max_digits && at_ < text_.size() && IsDigit(text_[at_])) {
      value = value * 10 + (text_[at_++] - '0');
      ++digits;
    }
    return digits >= min_digits;
  }

  // Takes `wanted` when it comes next.
  bool Take(char wanted) {
    if (at_ >= text_.size() || text_[at_] != wanted) return false;
    ++at_;
    return true;
  }

  // Takes whichever of `choices` comes next, into `taken`.
  bool TakeOneOf(std::string_view choices, char& taken) {
    if (at_ >= text_.size() || choices.find(text_[at_]) == std::string_view::npos) return false;
    taken = text_[at_++];
    return true;
  }

  // Skips white space; says whether there was any.
  bool SkipSpace() {
    const size_t start = at_;
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
    return at_ > start;
  }

  bool AtEnd() const { return at_ == text_.size(); }

 private:
  std::string_view text_;
  size_t at_ = 0;
};

bool ReadDate(Cursor& in, Moment& moment) {
  char separator = 0;
  return in.Number(4, 4, moment.year) && in.TakeOneOf("-/.", separator) &&
         in.Number(1, 2, moment.month) && in.Take(separator) && in.Number(1, 2, moment.day);
}

bool ReadTime(Cursor& in, Moment& moment) {
  if (!(in.Number(1, 2, moment.hour) && in.Take(':') && in.Number(1, 2, moment.minute)))
    return false;
  moment.second = 0;
  return !in.Take(':') || in.Number(1, 2, moment.second);
}

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValid(const Moment& moment) {
  return moment.year >= 1 && moment.month >= 1 && moment.month <= 12 && moment.day >= 1 &&
         moment.day <= DaysInMonth(moment.year, moment.month) && moment.hour <= 23 &&
         moment.minute <= 59 && moment.second <= 59;
}

std::optional<Moment> ParseMoment(std::string_view text) {
  Cursor in(text);
  Moment moment;
  in.SkipSpace();
  if (!ReadDate(in, moment) || !in.SkipSpace() || !ReadTime(in, moment)) return std::nullopt;
  in.SkipSpace();
  if (!in.AtEnd() || !IsValid(moment)) return std::nullopt;
  return moment;
}

}  // namespace

DateTimeTexts NormaliseDateTime(std::string_view date, std::string_view time) {
  std::string combined(date);
  combined += ' ';
  combined += time;
  const std::optional<Moment> moment = ParseMoment(combined);
  if (!moment) return {std::string(date), std::string(time)};
  return {Format("%04d-%02d-%02d", moment->year, moment->month, moment->day),
          Format("%02d:%02d:%02d", moment->hour, moment->minute, moment->second)};
}

DateTimeTexts LocalDateTimeTexts(std::time_t now) {
  const std::optional<std::tm> local = LocalTime(now);
  if (!local) return {};
  char date[32];
  char time[32];
  if (std::strftime(date, sizeof date, "%Y-%m-%d", &*local) == 0) date[0] = '\0';
  if (std::strftime(time, sizeof time, "%H:%M:%S", &*local) == 0) time[0] = '\0';
  return {date, time};
}
