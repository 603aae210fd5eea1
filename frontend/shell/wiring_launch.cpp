#include "frontend/shell/wiring_launch.h"

#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render_state.h"

namespace shell {

namespace wire {

void ArmScreensaver() { ArmScreensaverTimer(gShell.screensaverTimer, gShell.settings.scrTimeOut); }

void ScreensaverStep(std::uint32_t now) {
  if (gShell.settings.scrTimeOut > 0 && TakeScreensaverTimeout(gShell.screensaverTimer, now)) RunScreensaver(gShell, gCatalogue, gRender, gShell.settings.scrType);
}

}  // namespace wire

}  // namespace shell
