#include "frontend/shell/screensaver_timer.h"

#include <algorithm>

#include "platform/clock.h"

namespace shell {

namespace {

// Ticks wrap after 49.7 days: a due tick is compared by signed difference, so a period
// must stay below half the range.
constexpr std::int64_t kLongestPeriodMs = 0x7FFFFFFF;

std::int32_t MsUntilDue(const ScreensaverTimer& timer, std::uint32_t now) {
  return static_cast<std::int32_t>(timer.due - now);
}

}  // namespace

void KillScreensaverTimer(ScreensaverTimer& timer) { timer = {}; }

void ArmScreensaverTimer(ScreensaverTimer& timer, int timeOutSeconds) {
  KillScreensaverTimer(timer);
  if (timeOutSeconds <= 0) return;
  const std::int64_t period = std::min<std::int64_t>(std::int64_t{timeOutSeconds} * 1000, kLongestPeriodMs);
  timer.armed = true;
  timer.due = platform::GetTickCount() + static_cast<std::uint32_t>(period);
}

bool TakeScreensaverTimeout(ScreensaverTimer& timer, std::uint32_t now) {
  if (!timer.armed || MsUntilDue(timer, now) > 0) return false;
  KillScreensaverTimer(timer);
  return true;
}

std::int64_t ScreensaverTimeLeft(const ScreensaverTimer& timer, std::uint32_t now) {
  if (!timer.armed) return -1;
  return std::max<std::int32_t>(MsUntilDue(timer, now), 0);
}

std::optional<std::uint32_t> ScreensaverDeadline(const ScreensaverTimer& timer) {
  if (!timer.armed) return std::nullopt;
  return timer.due;
}

}  // namespace shell
