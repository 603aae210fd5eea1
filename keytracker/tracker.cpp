// The key stack and the exports. The original shared the stack between every process
// the hook ran in; here one reader thread records into it while the frontend pops, so
// a lock keeps each record and each pop whole. The stack, filter and wrap rules are
// unchanged: at most 19 keys wait, newest first, and the 19th sends the count back to 0.
#include "keytracker/key_tracker.h"

#include "keytracker/event_source.h"
#include "keytracker/held_combination.h"
#include "keytracker/virtual_keys.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace keytracker {
namespace {

constexpr int kStackSlots = 20;
constexpr int kMaxCount = 18;  // a count above this wraps to 0

struct TrackerData {
  std::array<std::uint32_t, kStackSlots> keyStack{};
  std::array<std::int32_t, 4> filter{};
  std::int32_t count = 0;
};

TrackerData gData;
HeldCombination gCombination;  // under gDataLock
std::mutex gDataLock;

std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The "hooks": who feeds the stack. Init and Term run on the frontend's thread.
std::mutex gHookLock;
std::unique_ptr<EventSource> gKeyboardSource;
std::unique_ptr<EventSource> gMouseSource;
std::atomic<bool> gKeyboardHooked{false};
std::atomic<bool> gMouseHooked{false};
std::atomic<bool> gTestMode{false};
std::optional<EvdevPlace> gTestInputDirectory;  // under gHookLock
std::vector<JoystickKey> gJoystickKeys;         // under gHookLock

// What the keyboard hook did for a released key.
void RecordKeyRelease(std::uint32_t virtualKey) {
  if (!gKeyboardHooked.load()) return;
  std::lock_guard lock(gDataLock);
  TrackerData& d = gData;
  const bool noFilter = d.filter[0] <= 0;
  bool match = noFilter;
  for (std::int32_t code : d.filter) match = match || static_cast<std::int32_t>(virtualKey) == code;
  if (match) d.keyStack[d.count++] = virtualKey;
  if (d.count > kMaxCount) d.count = 0;
}

void RecordMouseMessage(std::uint32_t message) {
  if (!gMouseHooked.load() || message == 0) return;
  std::lock_guard lock(gDataLock);
  gData.keyStack[0] = message;
}

void RecordCombinationEvent(const std::string& node, int code, int value) {
  if (!gKeyboardHooked.load()) return;
  std::lock_guard lock(gDataLock);
  gCombination.OnEvent(node, code, value, NowMs());
}

// Only releases are recorded on the stack: presses and auto-repeats pass by.
void OnKeyboardEvent(int type, int code, int value) {
  if (type != EV_KEY) return;
  RecordCombinationEvent(std::string(), code, value);
  if (value != 0) return;
  const std::uint32_t vk = VirtualKeyFromLinuxKey(code);
  if (vk != 0) RecordKeyRelease(vk);
}

void OnJoystickKey(const JoystickKey& key, int value) {
  RecordCombinationEvent(key.node, key.linuxCode, value);
  if (value == 0 && key.virtualKey != 0) RecordKeyRelease(key.virtualKey);
}

// The coin buttons and the combination's buttons, each node and code once.
std::vector<JoystickKey> WatchedJoystickKeys() {
  std::vector<JoystickKey> keys = gJoystickKeys;
  std::vector<std::pair<std::string, int>> buttons;
  {
    std::lock_guard lock(gDataLock);
    buttons = gCombination.Buttons();
  }
  for (const std::pair<std::string, int>& button : buttons) {
    const bool known = std::any_of(keys.begin(), keys.end(), [&](const JoystickKey& k) {
      return k.node == button.first && k.linuxCode == button.second;
    });
    if (!known) keys.push_back({button.first, button.second, 0});
  }
  return keys;
}

void OnMouseEvent(int type, int code, int value) {
  RecordMouseMessage(MouseMessageFromLinuxEvent(type, code, value));
}

// The devices are read directly where they can be; the X server's raw events take the
// keys of the others (a keyboard node without permission), never those of a device read
// directly. Tests of the device route alone (a test directory without unreadable nodes)
// do not reach for a display.
std::unique_ptr<EventSource> StartKeyboardSource() {
  const EvdevPlace place = gTestInputDirectory ? *gTestInputDirectory : EvdevPlace{};
  auto nodes = std::make_shared<ReadNodes>();
  int unreadable = 0;
  auto evdev = StartEvdevSource(DeviceKind::Keyboard, &OnKeyboardEvent, place, nodes, &unreadable);
  if (unreadable == 0 && (evdev || gTestInputDirectory)) return evdev;
  return CombineSources(std::move(evdev), StartX11KeySource(&OnKeyboardEvent, nodes));
}

std::unique_ptr<EventSource> StartMouseSource() {
  if (gTestInputDirectory) return StartEvdevSource(DeviceKind::Mouse, &OnMouseEvent, *gTestInputDirectory);
  return StartEvdevSource(DeviceKind::Mouse, &OnMouseEvent);
}

// The library's unload stops the reader threads, as the original's detach removed its hooks.
struct UnloadGuard {
  ~UnloadGuard() {
    KeyTrackerTerm();
    MouseTrackerTerm();
  }
} gUnloadGuard;

}  // namespace
}  // namespace keytracker

using namespace keytracker;

extern "C" int KeyTrackerInit(int key1, int key2, int key3, int key4) {
  {
    std::lock_guard lock(gDataLock);
    gData.filter = {key1, key2, key3, key4};
    gData.count = 0;
    gData.keyStack.fill(0);
  }
  std::lock_guard lock(gHookLock);
  if (!gKeyboardHooked.load()) {
    // Joystick buttons are read beside the keyboards, and watching either is watching.
    if (!gTestMode.load())
      gKeyboardSource = CombineSources(StartKeyboardSource(), StartJoystickSource(WatchedJoystickKeys(), &OnJoystickKey));
    gKeyboardHooked.store(gTestMode.load() || gKeyboardSource != nullptr);
  }
  return gKeyboardHooked.load() ? 1 : 0;
}

extern "C" unsigned long KeyTrackerGetKey(void) {
  std::lock_guard lock(gDataLock);
  TrackerData& d = gData;
  if (d.count > 0) d.count -= 1;
  const std::uint32_t value = d.keyStack[d.count];
  d.keyStack[d.count] = 0;
  return value;
}

extern "C" void KeyTrackerTerm(void) {
  std::unique_ptr<EventSource> source;
  {
    std::lock_guard lock(gHookLock);
    gKeyboardHooked.store(false);
    source = std::move(gKeyboardSource);
    gJoystickKeys.clear();
    std::lock_guard data(gDataLock);
    gCombination.Clear();
  }
  // Stopped outside the lock: closing the X11 connection of a server that has gone away
  // ends the process from inside Xlib, and the library's unload runs this again.
  source.reset();
}

extern "C" void KeyTrackerWatchCombination(const int* linuxKeys, int count) {
  std::vector<int> keys;
  for (int i = 0; linuxKeys && i < count; ++i) keys.push_back(linuxKeys[i]);
  std::lock_guard lock(gDataLock);
  gCombination.Set(keys);
}

extern "C" void KeyTrackerWatchCombinationButton(int index, const char* node, int linuxCode) {
  if (!node) return;
  std::lock_guard lock(gDataLock);
  gCombination.AddButton(index, node, linuxCode);
}

extern "C" unsigned long KeyTrackerCombinationHeldMs(void) {
  std::lock_guard lock(gDataLock);
  return static_cast<unsigned long>(gCombination.HeldMs(NowMs()));
}

extern "C" void KeyTrackerWatchJoystickKey(const char* node, int linuxCode, unsigned long virtualKey) {
  if (!node) return;
  std::lock_guard lock(gHookLock);
  gJoystickKeys.push_back({node, linuxCode, static_cast<std::uint32_t>(virtualKey)});
}

extern "C" int MouseTrackerInit(int) {
  std::lock_guard lock(gHookLock);
  if (!gMouseHooked.load()) {
    if (!gTestMode.load()) gMouseSource = StartMouseSource();
    gMouseHooked.store(gTestMode.load() || gMouseSource != nullptr);
  }
  return gMouseHooked.load() ? 1 : 0;
}

extern "C" void MouseTrackerTerm(void) {
  std::lock_guard lock(gHookLock);
  gMouseHooked.store(false);
  gMouseSource.reset();
}

extern "C" void KeyTrackerTestMode(int on) { gTestMode.store(on != 0); }

extern "C" void KeyTrackerTestInputDirectory(const char* directory) {
  std::lock_guard lock(gHookLock);
  if (directory) gTestInputDirectory = EvdevPlace{directory, false};
  else gTestInputDirectory.reset();
}

extern "C" void KeyTrackerTestFeed(unsigned long virtualKey) {
  RecordKeyRelease(static_cast<std::uint32_t>(virtualKey));
}

extern "C" void KeyTrackerTestFeedLinuxKey(int linuxKey, int value) {
  OnKeyboardEvent(EV_KEY, linuxKey, value);
}

extern "C" void KeyTrackerTestFeedJoystickButton(const char* node, int linuxCode, int value) {
  if (node) OnJoystickKey({node, linuxCode, 0}, value);
}

extern "C" void KeyTrackerTestFeedLinuxMouse(int type, int code, int value) {
  OnMouseEvent(type, code, value);
}
