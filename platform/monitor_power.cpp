#include "platform/monitor_power.h"

#ifdef ORV_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#endif

namespace platform {

bool SetMonitorLowPower() {
#ifdef ORV_HAVE_X11
  Display* display = ::XOpenDisplay(nullptr);
  if (!display) return false;
  int eventBase = 0, errorBase = 0;
  bool done = false;
  if (::DPMSQueryExtension(display, &eventBase, &errorBase) && ::DPMSCapable(display)) {
    ::DPMSEnable(display);
    done = ::DPMSForceLevel(display, DPMSModeStandby) != 0;
    ::XFlush(display);
  }
  ::XCloseDisplay(display);
  return done;
#else
  return false;
#endif
}

}  // namespace platform
