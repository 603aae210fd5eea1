// The wall clock in local time, for what the owner reads as dates (the journal of runs,
// archive folder names). Tests fix it.
#pragma once

#include <optional>

namespace platform {

struct LocalDateTime {
  int year = 1970;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime LocalNow();

// Test seam: while set, LocalNow returns it.
void SetLocalNowForTest(std::optional<LocalDateTime> fixed);

}  // namespace platform
