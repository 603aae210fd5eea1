// Where the screensaver takes the settings: armed at the window creation with the
// configuration's time-out, and run by the main loop with its type.
#pragma once

#include <cstdint>

namespace shell {

namespace wire {

void ArmScreensaver();  // main window creation
void ScreensaverStep(std::uint32_t now);

}  // namespace wire

}  // namespace shell
