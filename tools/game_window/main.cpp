// game_window [--focus] [--close] [--ignore-term] [--ms N] [--record FILE]: maps a window
// as an emulator's SDL window is (WM_DELETE_WINDOW among its WM_PROTOCOLS, its
// _NET_WM_PID), and then
//   --focus        takes the input focus with RevertToNone, as a game does on a server
//                  without a window manager: when the window goes, the focus goes nowhere;
//   --close        ends at the window's close request (else the request is ignored);
//   --ignore-term  ignores SIGTERM;
//   --ms N         ends by itself after N milliseconds (else it runs until ended);
//   --record FILE  appends "mapped", then "closed by request" or "timed out" as it ends.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

struct Options {
  bool focus = false;
  bool close = false;
  bool ignoreTerm = false;
  long ms = -1;
  std::string record;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--focus") o.focus = true;
    else if (a == "--close") o.close = true;
    else if (a == "--ignore-term") o.ignoreTerm = true;
    else if (a == "--ms" && i + 1 < argc) o.ms = std::atol(argv[++i]);
    else if (a == "--record" && i + 1 < argc) o.record = argv[++i];
    else return false;
  }
  return true;
}

void Record(const Options& o, const char* text) {
  if (o.record.empty()) return;
  std::ofstream(o.record, std::ios::app) << text << '\n';
}

Window MapGameWindow(Display* display, Atom deleteWindow) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100, 320, 240, 0, 0, 0x2040A0);
  XSetWMProtocols(display, window, &deleteWindow, 1);
  const long pid = ::getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  XStoreName(display, window, "game_window");
  XSelectInput(display, window, StructureNotifyMask);
  XMapRaised(display, window);
  XEvent event;
  do XNextEvent(display, &event);
  while (event.type != MapNotify);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr, "usage: game_window [--focus] [--close] [--ignore-term] [--ms N] [--record FILE]\n");
    return 2;
  }
  if (o.ignoreTerm) ::signal(SIGTERM, SIG_IGN);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "game_window: no display\n");
    return 1;
  }
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  const Window window = MapGameWindow(display, deleteWindow);
  if (o.focus) XSetInputFocus(display, window, RevertToNone, CurrentTime);
  XSync(display, False);
  Record(o, "mapped");

  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(o.ms);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (o.close && event.type == ClientMessage && event.xclient.message_type == protocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
        Record(o, "closed by request");
        XCloseDisplay(display);
        return 0;
      }
    }
    int waitMs = 1000;
    if (o.ms >= 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      waitMs = static_cast<int>(std::min<long long>(left.count(), waitMs));
    }
    pollfd p{ConnectionNumber(display), POLLIN, 0};
    ::poll(&p, 1, waitMs);
  }
  Record(o, "timed out");
  XCloseDisplay(display);
  return 0;
}
