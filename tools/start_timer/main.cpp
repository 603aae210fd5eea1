// start_timer <seconds> <program> [arguments]: starts the program, and prints
//   window_s  the time from the start to the first visible top-level window named "Orvanel";
//   rss_mib   its resident memory `seconds` after that window;
//   gl        whether it then maps a Mesa GL driver (*_dri.so);
//   av        whether it then maps FFmpeg's decoders (libavcodec: a clip was decoded);
//   close_s   the time from the window's close request (WM_DELETE_WINDOW) to its exit.
// The window is watched through the X server's map events, not by polling.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "tools/close_request.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool NamedOrvanel(Display* display, Window window) {
  char* name = nullptr;
  const bool match = XFetchName(display, window, &name) && name && std::strcmp(name, "Orvanel") == 0;
  if (name) XFree(name);
  return match;
}

// The visible top-level window named Orvanel, or 0.
Window FindShown(Display* display) {
  Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
        NamedOrvanel(display, children[i]))
      found = children[i];
  }
  if (children) XFree(children);
  return found;
}

std::string StatusField(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field + ":", 0) == 0) return line.substr(field.size() + 1);
  return {};
}

bool Maps(pid_t pid, const char* library) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  for (std::string line; std::getline(maps, line);)
    if (line.find(library) != std::string::npos) return true;
  return false;
}

void SendClose(Display* display, Window window) {
  SendCloseRequest(display, window);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: start_timer <seconds> <program> [arguments]\n");
    return 2;
  }
  const double settle = std::atof(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "start_timer: no display\n");
    return 1;
  }
  // Map events of every top-level window, asked for before the program exists.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  Window window = 0;
  const int fd = ConnectionNumber(display);
  while (!window) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && NamedOrvanel(display, event.xmap.window)) window = event.xmap.window;
    }
    if (window) break;
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "start_timer: the program ended without a window\n");
      return 1;
    }
    if (SecondsSince(start) > 60) {
      kill(pid, SIGKILL);
      std::fprintf(stderr, "start_timer: no window after 60 s\n");
      return 1;
    }
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tick{0, 20000};
    select(fd + 1, &fds, nullptr, nullptr, &tick);
  }
  std::printf("window_s %.3f\n", SecondsSince(start));
  std::this_thread::sleep_for(std::chrono::duration<double>(settle));
  std::printf("rss_mib %.1f\n", std::atof(StatusField(pid, "VmRSS").c_str()) / 1024.0);
  std::printf("gl %s\n", Maps(pid, "_dri.so") ? "mapped" : "none");
  std::printf("av %s\n", Maps(pid, "libavcodec") ? "mapped" : "none");
  // SDL may have replaced the window while it set up its renderer: close the one shown now.
  if (Window shown = FindShown(display)) window = shown;
  const Clock::time_point closing = Clock::now();
  SendClose(display, window);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) != pid) {
    if (SecondsSince(closing) > 10) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      std::printf("close_s timeout\n");
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::printf("close_s %.3f\n", SecondsSince(closing));
  XCloseDisplay(display);
  return 0;
}
