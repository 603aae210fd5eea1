#include "frontend/shell/screensaver_timer.h"

#include <algorithm>

#include "frontend/shell/shell_state.h"
#include "platform/clock.h"

namespace shell {

namespace {

// Ticks wrap after 49.7 days: a due tick is compared by signed difference, so a period
// must stay below half the range.
constexpr std::int64_t kLongestPeriodMs = 0x7FFFFFFF;

std::int32_t MsUntilDue(std::uint32_t now) {
  return static_cast<std::int32_t>(gShell.screensaverTimer.due - now);
}

}  // namespace

void KillScreensaverTimer() { gShell.screensaverTimer = {}; }

void ArmScreensaverTimer(int timeOutSeconds) {
  KillScreensaverTimer();
  if (timeOutSeconds <= 0) return;
  const std::int64_t period = std::min<std::int64_t>(std::int64_t{timeOutSeconds} * 1000, kLongestPeriodMs);
  gShell.screensaverTimer.armed = true;
  gShell.screensaverTimer.due = platform::GetTickCount() + static_cast<std::uint32_t>(period);
}

bool TakeScreensaverTimeout(std::uint32_t now) {
  if (!gShell.screensaverTimer.armed || MsUntilDue(now) > 0) return false;
  KillScreensaverTimer();
  return true;
}

std::int64_t ScreensaverTimeLeft(std::uint32_t now) {
  if (!gShell.screensaverTimer.armed) return -1;
  return std::max<std::int32_t>(MsUntilDue(now), 0);
}

std::optional<std::uint32_t> ScreensaverDeadline() {
  if (!gShell.screensaverTimer.armed) return std::nullopt;
  return gShell.screensaverTimer.due;
}

}  // namespace shell
