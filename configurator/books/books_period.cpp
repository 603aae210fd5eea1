#include "configurator/books/books_period.h"

#include <utility>

namespace cfg {

using catalogue::Date;
using catalogue::DayNumber;

namespace {

Period MonthOf(int year, int month) {
  return {DayNumber({year, month, 1}), DayNumber({year, month, catalogue::DaysInMonth(year, month)})};
}

}  // namespace

Period PeriodOf(PeriodKind kind, const Date& today, std::optional<Date> from, std::optional<Date> to) {
  switch (kind) {
    case PeriodKind::kThisMonth:
      return MonthOf(today.year, today.month);
    case PeriodKind::kLastMonth:
      return today.month == 1 ? MonthOf(today.year - 1, 12) : MonthOf(today.year, today.month - 1);
    case PeriodKind::kThisYear:
      return {DayNumber({today.year, 1, 1}), DayNumber({today.year, 12, 31})};
    case PeriodKind::kAll:
      return {};
    case PeriodKind::kRange:
      break;
  }
  Period p;
  if (from) p.firstDay = DayNumber(*from);
  if (to) p.lastDay = DayNumber(*to);
  if (from && to && p.firstDay > p.lastDay) std::swap(p.firstDay, p.lastDay);
  return p;
}

}  // namespace cfg
