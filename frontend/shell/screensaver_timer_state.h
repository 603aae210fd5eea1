// The screensaver timer's record (Shell::screensaverTimer).
#pragma once

#include <cstdint>

namespace shell {

struct ScreensaverTimer {
  bool armed = false;
  std::uint32_t due = 0;  // tick at which it fires
};

}  // namespace shell
