// grab_keyboard: maps a window, grabs the keyboard for it as a full-screen emulator does,
// writes "grabbed" on standard output and keeps the grab until standard input closes.
#include <X11/Xlib.h>

#include <unistd.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "grab_keyboard: no display\n");
    return 1;
  }
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  const Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 64, 64, 0, CopyFromParent,
                                      InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
  XMapRaised(display, window);
  XSync(display, False);
  // The window must be viewable before it can take the grab.
  int result = GrabNotViewable;
  for (int tries = 0; tries < 200 && result != GrabSuccess; ++tries) {
    result = XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (result != GrabSuccess) usleep(10000);
  }
  if (result != GrabSuccess) {
    std::fprintf(stderr, "grab_keyboard: grab refused (%d)\n", result);
    return 1;
  }
  XSync(display, False);
  std::printf("grabbed\n");
  std::fflush(stdout);
  char byte;
  while (read(0, &byte, 1) > 0) {
  }
  XUngrabKeyboard(display, CurrentTime);
  XCloseDisplay(display);
  return 0;
}
