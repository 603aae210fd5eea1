// The monitor's power saving, for the screensaver that puts the screen to sleep.
#pragma once

namespace platform {

// Asks the X server to put the monitor into DPMS standby (enabling DPMS when it is off).
// False, with nothing done, when there is no X display or it has no DPMS.
bool SetMonitorLowPower();

}  // namespace platform
