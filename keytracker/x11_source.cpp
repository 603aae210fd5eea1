// Keys from the X server's XInput2 raw events, for when a keyboard device cannot
// be read (no permission on /dev/input, or a nested server such as Xvfb). Raw events
// reach the root window whichever client has the focus; from XInput 2.1 on they do also
// while another client grabs the keyboard, as full-screen emulators do.
#include "keytracker/event_source.h"

#if ORV_HAVE_X11

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <fcntl.h>
#include <linux/input-event-codes.h>
#include <poll.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace keytracker {
namespace {

constexpr int kX11KeycodeOffset = 8;  // X keycodes are the kernel's plus 8

class X11Source : public EventSource {
 public:
  X11Source(Display* display, int opcode, int stopRead, int stopWrite, EventHandler handler,
            std::shared_ptr<const ReadNodes> skip)
      : display_(display), opcode_(opcode), stopRead_(stopRead), stopWrite_(stopWrite),
        handler_(handler), skip_(std::move(skip)) {
    thread_ = std::thread([this] { Run(); });
  }
  ~X11Source() override {
    const char byte = 0;
    [[maybe_unused]] ssize_t n = ::write(stopWrite_, &byte, 1);
    if (thread_.get_id() == std::this_thread::get_id()) {
      // A server gone: Xlib ends the process from this thread, and the library's unload
      // stops the tracker here. The connection is dead; the process is ending.
      thread_.detach();
      return;
    }
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
    if (cookie->evtype == XI_RawKeyRelease || cookie->evtype == XI_RawKeyPress) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      const int device = raw->sourceid != 0 ? raw->sourceid : raw->deviceid;
      const int value = cookie->evtype == XI_RawKeyRelease ? 0 : (raw->flags & XIKeyRepeat) ? 2 : 1;
      if (TakenFromX11(DeviceNode(device), skip_.get())) handler_(EV_KEY, raw->detail - kX11KeycodeOffset, value);
    }
    XFreeEventData(display_, cookie);
  }

  // The kernel node an X input device reads ("Device Node" of the evdev and libinput
  // drivers); empty for virtual devices.
  std::string DeviceNode(int device) {
    const Atom property = XInternAtom(display_, "Device Node", True);
    if (property == None) return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string node;
    if (XIGetProperty(display_, device, property, 0, 1024, False, XA_STRING, &type, &format, &count, &after,
                      &data) == Success &&
        data && type == XA_STRING && format == 8)
      node.assign(reinterpret_cast<const char*>(data), count);
    if (data) XFree(data);
    return node;
  }

  Display* display_;
  int opcode_;
  int stopRead_;
  int stopWrite_;
  EventHandler handler_;
  std::shared_ptr<const ReadNodes> skip_;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<EventSource> StartX11KeySource(EventHandler handler, std::shared_ptr<const ReadNodes> skip) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  int opcode = 0, firstEvent = 0, firstError = 0;
  // The version a client announces decides what it gets: 2.0 clients see no raw events
  // while another client grabs the keyboard.
  int major = 2, minor = 2;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError) ||
      XIQueryVersion(display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 2)) {
    XCloseDisplay(display);
    return nullptr;
  }
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(bits, XI_RawKeyRelease);
  XISetMask(bits, XI_RawKeyPress);  // the held combination
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
  XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
  XSync(display, False);
  int stop[2];
  if (::pipe2(stop, O_CLOEXEC) != 0) {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::make_unique<X11Source>(display, opcode, stop[0], stop[1], handler, std::move(skip));
}

}  // namespace keytracker

#else

namespace keytracker {
std::unique_ptr<EventSource> StartX11KeySource(EventHandler, std::shared_ptr<const ReadNodes>) { return nullptr; }
}  // namespace keytracker

#endif
