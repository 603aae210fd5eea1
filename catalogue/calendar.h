// Dates as the owner's books count them: local calendar days numbered in a row, so a period
// is two numbers and a per-day series an index.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace catalogue {

struct Date {
  int year = 1970;
  int month = 1;
  int day = 1;
  auto operator<=>(const Date&) const = default;
};

struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const DateTime&) const = default;
};

// Days since 1970-01-01 (negative before), for any proleptic Gregorian date.
std::int32_t DayNumber(const Date& date);
Date DateOfDay(std::int32_t day);
int DaysInMonth(int year, int month);

// "2026-12-08" only, with a real day of a real month; nothing otherwise.
std::optional<Date> ParseIsoDate(std::string_view text);
// "2026-12-08 21:04:05" only; nothing otherwise.
std::optional<DateTime> ParseIsoDateTime(std::string_view text);
std::string FormatIsoDate(const Date& date);
std::string FormatIsoDateTime(const DateTime& time);

}  // namespace catalogue
