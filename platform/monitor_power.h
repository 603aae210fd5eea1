// The monitor's power saving, for the screensaver that puts the screen to sleep.
#pragma once

namespace platform {

// Asks the X server to put the monitor into DPMS standby (enabling DPMS when it is off).
// False, with nothing done, when there is no X display or it has no DPMS.
bool SetMonitorLowPower();

// Whether the system's screen saver (and display power saving) may act. The video layer
// keeps the X screen saver reset while it takes events, every 30 s, which also wakes a
// monitor put into standby: while the monitor is asked to sleep it is allowed, and a key
// that brings the menu back forbids it again.
void SetScreenSaverAllowed(bool allowed);
bool ScreenSaverAllowed();

}  // namespace platform
