// Where the key tracker's events come from. Linux has no system-wide keyboard hook: a
// source reads the input devices (or the X server's raw events) on a thread of its own
// and hands each event over as a kernel input event (type, code, value).
#pragma once

#include <memory>
#include <string>

namespace keytracker {

using EventHandler = void (*)(int type, int code, int value);

class EventSource {
 public:
  virtual ~EventSource() = default;  // stops the thread and releases the devices
};

enum class DeviceKind { Keyboard, Mouse };

// Where the event devices are looked for. Tests point it at a directory of FIFOs, which
// cannot answer the device ioctls, so the kind check can be switched off with it.
struct EvdevPlace {
  std::string directory = "/dev/input";
  bool checkKind = true;
};

// Every readable event* device of that kind; null when none can be read.
std::unique_ptr<EventSource> StartEvdevSource(DeviceKind kind, EventHandler handler, const EvdevPlace& place = {});

// XInput2 raw key releases of the X server named by DISPLAY; null without a display or
// without XInput2. Key codes are handed over as kernel key codes.
std::unique_ptr<EventSource> StartX11KeySource(EventHandler handler);

}  // namespace keytracker
