#include "platform/window_handover.h"

#include "platform/window_native.h"

#include <SDL.h>
#include <SDL_syswm.h>

#ifdef ORV_HAVE_X11
#include <X11/Xlib.h>

#include <string>
#endif

namespace platform {
namespace {

#ifdef ORV_HAVE_X11
// A window manager owns the WM_S<screen> selection while it runs.
bool WindowManagerRuns(Display* display) {
  const std::string name = "WM_S" + std::to_string(DefaultScreen(display));
  return ::XGetSelectionOwner(display, ::XInternAtom(display, name.c_str(), False)) != None;
}
#endif

// On X11 the window stays mapped as a black backdrop: the server paints the black itself on
// every exposure (nothing reads our events while the game runs). Without a window manager
// the game's window, mapped later, lands on top by itself; a window manager may keep a newer
// window behind the focused one, so there ours is lowered below the others (its layers keep
// it above the desktop). The keyboard focus goes to the pointer's window, as it would if
// ours were unmapped. False when the window is not an X11 one.
bool KeepAsBlackBackdrop(SDL_Window* window) {
#ifdef ORV_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  Display* display = info.info.x11.display;
  const Window xwindow = info.info.x11.window;
  ::XSetWindowBackground(display, xwindow, BlackPixel(display, DefaultScreen(display)));
  ::XClearWindow(display, xwindow);
  if (WindowManagerRuns(display)) ::XLowerWindow(display, xwindow);
  Window focus = 0;
  int revert = 0;
  ::XGetInputFocus(display, &focus, &revert);
  if (focus == xwindow) ::XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
  ::XSync(display, False);
  return true;
#else
  (void)window;
  return false;
#endif
}

}  // namespace

bool HandOverFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return true;
  // A plain desktop-sized window: window managers keep a full-screen one above the others.
  const bool left = SDL_SetWindowFullscreen(window, 0) == 0;
  // Elsewhere a black window could end up above the game: give the game the screen.
  if (!KeepAsBlackBackdrop(window)) SDL_HideWindow(window);
  SDL_PumpEvents();
  return left;
}

void TakeBackFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return;
  SDL_ShowWindow(window);
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_RaiseWindow(window);
}

void DiscardPendingInput() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_PumpEvents();
  // Keyboard, text, mouse, joystick, controller, touch and gesture events.
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MULTIGESTURE);
}

}  // namespace platform
