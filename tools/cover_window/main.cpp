// cover_window <x> <y> <width> <height> <milliseconds> [0xRRGGBB]: maps a window of one
// colour over that part of the screen, keeps it there that long, then destroys it.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: cover_window <x> <y> <width> <height> <milliseconds> [0xRRGGBB]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cover_window: no display\n");
    return 1;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
  const int width = std::atoi(argv[3]), height = std::atoi(argv[4]);
  const long ms = std::atol(argv[5]);
  const unsigned long colour = argc == 7 ? std::strtoul(argv[6], nullptr, 0) : 0x00FF00;
  if (width <= 0 || height <= 0 || ms < 0) return 2;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;  // placed exactly where asked, under any window manager
  attributes.background_pixel = colour;
  const Window window = XCreateWindow(display, DefaultRootWindow(display), x, y, unsigned(width), unsigned(height), 0,
                                      CopyFromParent, InputOutput, CopyFromParent,
                                      CWOverrideRedirect | CWBackPixel, &attributes);
  XSelectInput(display, window, ExposureMask);
  XMapRaised(display, window);
  XEvent event;
  do XNextEvent(display, &event);
  while (event.type != Expose);  // on screen now
  XSync(display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  XDestroyWindow(display, window);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
