#include "platform/window_handover.h"

#include "platform/video_driver_choice.h"
#include "platform/window_native.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#ifdef ORV_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace platform {
namespace {

#ifdef ORV_HAVE_X11
// The connection that owns the black backdrop; closing it destroys the window.
Display* gBackdrop = nullptr;

// A black window over the whole X screen, below every other window: window managers stack
// the game's windows (and place, focus and decorate them) as if it were not there, and the
// server paints it by itself, as nothing reads our events while the game runs. Left
// unmanaged (override-redirect) so no window manager puts it in a layer of its own; its
// pointer is invisible, as over the menu.
void ShowBlackBackdrop() {
  if (gBackdrop || std::strcmp(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "", "x11") != 0) return;
  Display* display = ::XOpenDisplay(nullptr);
  if (!display) return;
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  char noBits = 0;
  const Pixmap empty = ::XCreateBitmapFromData(display, root, &noBits, 1, 1);
  XColor black{};
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.cursor = ::XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
  const Window window = ::XCreateWindow(
      display, root, 0, 0, static_cast<unsigned>(DisplayWidth(display, screen)),
      static_cast<unsigned>(DisplayHeight(display, screen)), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWOverrideRedirect | CWBackPixel | CWCursor, &attributes);
  ::XFreePixmap(display, empty);
  ::XLowerWindow(display, window);  // before it is mapped: it never shows above anything
  ::XMapWindow(display, window);
  ::XSync(display, False);
  gBackdrop = display;
}

void RemoveBlackBackdrop() {
  if (!gBackdrop) return;
  ::XCloseDisplay(gBackdrop);
  gBackdrop = nullptr;
}
#else
void ShowBlackBackdrop() {}
void RemoveBlackBackdrop() {}
#endif

}  // namespace

bool HandOverFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return true;
  // Laid under the menu first, so the desktop never shows between the two.
  ShowBlackBackdrop();
  const bool left = SDL_SetWindowFullscreen(window, 0) == 0;
  SDL_HideWindow(window);
  SDL_PumpEvents();
  return left;
}

void TakeBackFullScreen() {
  SDL_Window* window = MainSdlWindow();
  if (window) {
    SDL_ShowWindow(window);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_RaiseWindow(window);
  }
  RemoveBlackBackdrop();
}

void TakeInputFocus() {
  SDL_Window* window = MainSdlWindow();
  if (!window) return;
  SDL_RaiseWindow(window);
  SDL_SetWindowInputFocus(window);  // unsupported outside X11: nothing to take there
}

bool ReleaseDisplayDuringGames() {
  const char* forced = std::getenv("ORVANEL_FULL_HANDOVER");
  return KmsVideoDriverRunning() || (forced && std::strcmp(forced, "1") == 0);
}

void DiscardPendingInput() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_PumpEvents();
  // Keyboard, text, mouse, joystick, controller, touch and gesture events.
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MULTIGESTURE);
}

}  // namespace platform
