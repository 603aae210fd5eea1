// Where the key tracker's events come from. Linux has no system-wide keyboard hook: a
// source reads the input devices (or the X server's raw events) on a thread of its own
// and hands each event over as a kernel input event (type, code, value).
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace keytracker {

using EventHandler = void (*)(int type, int code, int value);

class EventSource {
 public:
  virtual ~EventSource() = default;  // stops the thread and releases the devices
};

enum class DeviceKind { Keyboard, Mouse };

// The device nodes the event-device route reads, shared with the X11 route so that a key
// of one of them is not taken twice. Changed and read on different threads.
class ReadNodes {
 public:
  void Add(const std::string& node) {
    std::lock_guard lock(mutex_);
    nodes_.insert(node);
  }
  void Remove(const std::string& node) {
    std::lock_guard lock(mutex_);
    nodes_.erase(node);
  }
  bool Contains(const std::string& node) const {
    std::lock_guard lock(mutex_);
    return nodes_.count(node) != 0;
  }

 private:
  mutable std::mutex mutex_;
  std::set<std::string> nodes_;
};

// Whether the X11 route takes a key of the X input device that reads `node` (its "Device
// Node"; empty for virtual devices, such as the one of synthetic keys): only when the
// event-device route does not read that node itself, so that no key counts twice.
inline bool TakenFromX11(const std::string& node, const ReadNodes* readDirectly) {
  return node.empty() || !readDirectly || !readDirectly->Contains(node);
}

// Where the event devices are looked for. Tests point it at a directory of FIFOs, which
// cannot answer the device ioctls, so the kind check can be switched off with it.
struct EvdevPlace {
  std::string directory = "/dev/input";
  bool checkKind = true;
};

// Every readable event* device of that kind; null when none can be read. The nodes read
// are kept in `nodes` (when given) while they are read; `unreadable` (when given) gets
// how many event* nodes could not be opened at all.
std::unique_ptr<EventSource> StartEvdevSource(DeviceKind kind, EventHandler handler, const EvdevPlace& place = {},
                                              std::shared_ptr<ReadNodes> nodes = nullptr,
                                              int* unreadable = nullptr);

// XInput2 raw key presses and releases of the X server named by DISPLAY; null without a display or
// without XInput 2.2 (which gives raw events also while another client, such as a
// full-screen emulator, grabs the keyboard). Key codes are handed over as kernel key
// codes. Keys of a device whose node is in `skip` are left out.
std::unique_ptr<EventSource> StartX11KeySource(EventHandler handler, std::shared_ptr<const ReadNodes> skip = nullptr);

// A joystick button the tracker watches: releases of `linuxCode` on `node` are counted as
// `virtualKey` (0: none, a button of the held combination only).
struct JoystickKey {
  std::string node;
  int linuxCode = 0;
  std::uint32_t virtualKey = 0;
};
// A press (value 1) or release (0) of a watched button; auto-repeats are not handed over.
using JoystickKeyHandler = void (*)(const JoystickKey& key, int value);

// The nodes of those buttons, read on a thread; null when none can be opened.
std::unique_ptr<EventSource> StartJoystickSource(const std::vector<JoystickKey>& keys, JoystickKeyHandler handler);

// Both sources as one: ended together.
std::unique_ptr<EventSource> CombineSources(std::unique_ptr<EventSource> first, std::unique_ptr<EventSource> second);

}  // namespace keytracker
