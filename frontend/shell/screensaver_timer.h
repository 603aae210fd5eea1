// The screensaver timer: a deadline `ScrTimeOut` seconds after the last key press (or
// the end of a launch or switch). The main loop checks it and waits no longer than it.
#pragma once

#include <cstdint>
#include <optional>

#include "frontend/shell/screensaver_timer_state.h"

namespace shell {

void KillScreensaverTimer(ScreensaverTimer& timer);

// Restarts the count from now; a time-out of 0 or below leaves the timer off.
void ArmScreensaverTimer(ScreensaverTimer& timer, int timeOutSeconds);

// True when the armed timer has come due at `now`; the timer is then killed, so the
// screensaver action runs once per idle period.
bool TakeScreensaverTimeout(ScreensaverTimer& timer, std::uint32_t now);

// The tick at which the armed timer fires; none when it is off.
std::optional<std::uint32_t> ScreensaverDeadline(const ScreensaverTimer& timer);

// Milliseconds from `now` until the timer fires (0 when due), or -1 when it is off.
std::int64_t ScreensaverTimeLeft(const ScreensaverTimer& timer, std::uint32_t now);

}  // namespace shell
