// The period the books are shown for: calendar days, both ends included.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "catalogue/calendar.h"

namespace cfg {

enum class PeriodKind { kThisMonth, kLastMonth, kThisYear, kAll, kRange };

struct Period {
  std::int32_t firstDay = std::numeric_limits<std::int32_t>::min();
  std::int32_t lastDay = std::numeric_limits<std::int32_t>::max();
  bool Contains(std::int32_t day) const { return day >= firstDay && day <= lastDay; }
  bool operator==(const Period&) const = default;
};

// The period of a choice on `today`. kRange takes from and to (either may be missing: open
// at that end); a range given backwards is turned round.
Period PeriodOf(PeriodKind kind, const catalogue::Date& today, std::optional<catalogue::Date> from = std::nullopt,
                std::optional<catalogue::Date> to = std::nullopt);

}  // namespace cfg
