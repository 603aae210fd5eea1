#include "platform/window_close.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#ifdef ORV_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace platform {

#ifdef ORV_HAVE_X11
namespace {

// A window may go while we look at it: its BadWindow must not end the frontend.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

struct Atoms {
  Atom pid, protocols, deleteWindow;
};

// The _NET_WM_PID of a window; nothing (-1) when it has none.
long WindowPid(Display* display, Window window, const Atoms& atoms) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  if (::XGetWindowProperty(display, window, atoms.pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
      data && type == XA_CARDINAL && format == 32 && count == 1)
    pid = *reinterpret_cast<long*>(data);
  if (data) ::XFree(data);
  return pid;
}

bool TakesCloseRequest(Display* display, Window window, const Atoms& atoms) {
  Atom* protocols = nullptr;
  int count = 0;
  bool takes = false;
  if (::XGetWMProtocols(display, window, &protocols, &count)) {
    for (int i = 0; i < count; ++i) takes = takes || protocols[i] == atoms.deleteWindow;
    ::XFree(protocols);
  }
  return takes;
}

void SendCloseRequest(Display* display, Window window, const Atoms& atoms) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = atoms.protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(atoms.deleteWindow);
  event.xclient.data.l[1] = CurrentTime;
  ::XSendEvent(display, window, False, NoEventMask, &event);
}

std::vector<Window> Children(Display* display, Window window) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> list;
  if (::XQueryTree(display, window, &root, &parent, &children, &count) && children) {
    list.assign(children, children + count);
    ::XFree(children);
  }
  return list;
}

// Windows that name a process are a program's own: their insides are not looked at. Others
// (a window manager's frames) are, a few levels deep.
int AskUnder(Display* display, Window window, int group, const Atoms& atoms, int depth) {
  int asked = 0;
  for (Window child : Children(display, window)) {
    const long pid = WindowPid(display, child, atoms);
    if (pid > 0) {
      if (::getpgid(static_cast<pid_t>(pid)) == group && TakesCloseRequest(display, child, atoms)) {
        SendCloseRequest(display, child, atoms);
        ++asked;
      }
    } else if (depth < 3) {
      asked += AskUnder(display, child, group, atoms, depth + 1);
    }
  }
  return asked;
}

}  // namespace

int AskGroupWindowsToClose(int group) {
  const char* name = std::getenv("DISPLAY");
  if (group <= 0 || !name || !*name) return 0;
  Display* display = ::XOpenDisplay(nullptr);
  if (!display) return 0;
  const auto previous = ::XSetErrorHandler(IgnoreError);
  const Atoms atoms{::XInternAtom(display, "_NET_WM_PID", False), ::XInternAtom(display, "WM_PROTOCOLS", False),
                    ::XInternAtom(display, "WM_DELETE_WINDOW", False)};
  int asked = 0;
  for (int screen = 0; screen < ScreenCount(display); ++screen)
    asked += AskUnder(display, RootWindow(display, screen), group, atoms, 0);
  ::XSync(display, False);
  ::XSetErrorHandler(previous);
  ::XCloseDisplay(display);
  return asked;
}
#else
int AskGroupWindowsToClose(int) { return 0; }
#endif

}  // namespace platform
