// Key releases from the X server's XInput2 raw events, for when no keyboard device can
// be read (no permission on /dev/input, or a nested server such as Xvfb). Raw events
// reach the root window whichever client has the focus.
#include "keytracker/event_source.h"

#if ORV_HAVE_X11

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <poll.h>
#include <unistd.h>

#include <thread>

namespace keytracker {
namespace {

constexpr int kX11KeycodeOffset = 8;  // X keycodes are the kernel's plus 8

class X11Source : public EventSource {
 public:
  X11Source(Display* display, int opcode, int stopRead, int stopWrite, EventHandler handler)
      : display_(display), opcode_(opcode), stopRead_(stopRead), stopWrite_(stopWrite),
        handler_(handler) {
    thread_ = std::thread([this] { Run(); });
  }
  ~X11Source() override {
    const char byte = 0;
    [[maybe_unused]] ssize_t n = ::write(stopWrite_, &byte, 1);
    thread_.join();
    XCloseDisplay(display_);
    ::close(stopRead_);
    ::close(stopWrite_);
  }

 private:
  void Run() {
    pollfd polls[2] = {{stopRead_, POLLIN, 0}, {ConnectionNumber(display_), POLLIN, 0}};
    for (;;) {
      while (XPending(display_) > 0) Handle();
      if (::poll(polls, 2, -1) < 0) continue;
      if (polls[0].revents) return;
      if (polls[1].revents & (POLLERR | POLLHUP | POLLNVAL)) return;  // server gone
    }
  }

  void Handle() {
    XEvent event;
    XNextEvent(display_, &event);
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != opcode_) return;
    if (!XGetEventData(display_, cookie)) return;
    if (cookie->evtype == XI_RawKeyRelease) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      handler_(EV_KEY, raw->detail - kX11KeycodeOffset, 0);
    }
    XFreeEventData(display_, cookie);
  }

  Display* display_;
  int opcode_;
  int stopRead_;
  int stopWrite_;
  EventHandler handler_;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<EventSource> StartX11KeySource(EventHandler handler) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  int opcode = 0, firstEvent = 0, firstError = 0;
  int major = 2, minor = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError) ||
      XIQueryVersion(display, &major, &minor) != Success) {
    XCloseDisplay(display);
    return nullptr;
  }
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(bits, XI_RawKeyRelease);
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
  XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
  XSync(display, False);
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::make_unique<X11Source>(display, opcode, stop[0], stop[1], handler);
}

}  // namespace keytracker

#else

namespace keytracker {
std::unique_ptr<EventSource> StartX11KeySource(EventHandler) { return nullptr; }
}  // namespace keytracker

#endif
