#include "platform/monitor_power.h"

#include <SDL.h>

#ifdef ORV_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#endif

namespace platform {
namespace {
bool gScreenSaverAllowed = false;  // before the video starts: what it will be told
}  // namespace

void SetScreenSaverAllowed(bool allowed) {
  gScreenSaverAllowed = allowed;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
  if (allowed) SDL_EnableScreenSaver();
  else SDL_DisableScreenSaver();
}

bool ScreenSaverAllowed() {
  return SDL_WasInit(SDL_INIT_VIDEO) != 0 ? SDL_IsScreenSaverEnabled() == SDL_TRUE : gScreenSaverAllowed;
}

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
