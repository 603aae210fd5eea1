// close_window <window id>: sends the window the WM_DELETE_WINDOW request a window
// manager sends when the user clicks the close button.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "tools/close_request.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: close_window <window id>\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "close_window: no display\n");
    return 1;
  }
  const Window window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
  SendCloseRequest(display, window);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
