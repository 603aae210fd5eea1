#include "catalogue/calendar.h"

#include <cstdio>

namespace catalogue {
namespace {

// Exactly `count` digits at `at`, or -1.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Howard Hinnant's days-from-civil.
std::int32_t DayNumber(const Date& date) {
  const int y = date.year - (date.month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (date.month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + date.day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date DateOfDay(std::int32_t day) {
  const std::int32_t z = day + 719468;
  const std::int32_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int32_t doe = z - era * 146097;
  const std::int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int32_t mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

std::optional<Date> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const Date d{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
  if (d.year < 0 || d.day < 1 || d.day > DaysInMonth(d.year, d.month)) return std::nullopt;
  return d;
}

std::optional<DateTime> ParseIsoDateTime(std::string_view text) {
  if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':') return std::nullopt;
  const std::optional<Date> date = ParseIsoDate(text.substr(0, 10));
  const DateTime t{date.value_or(Date{}), Digits(text, 11, 2), Digits(text, 14, 2), Digits(text, 17, 2)};
  if (!date || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 60)
    return std::nullopt;
  return t;
}

std::string FormatIsoDate(const Date& date) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buf;
}

std::string FormatIsoDateTime(const DateTime& t) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s %02d:%02d:%02d", FormatIsoDate(t.date).c_str(), t.hour, t.minute, t.second);
  return buf;
}

}  // namespace catalogue
