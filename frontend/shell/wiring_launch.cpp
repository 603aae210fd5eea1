#include "frontend/shell/wiring_launch.h"

#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"

namespace wire {

void ArmScreensaver() { ArmScreensaverTimer(gSettings.scrTimeOut); }

void ScreensaverStep(std::uint32_t now) {
  if (gSettings.scrTimeOut > 0 && TakeScreensaverTimeout(now)) RunScreensaver(gSettings.scrType);
}

}  // namespace wire
