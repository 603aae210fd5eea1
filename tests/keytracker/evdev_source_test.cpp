// The event-device route, the one a cabinet uses: kernel input events read from event*
// nodes on the library's own thread. The nodes here are FIFOs in a temporary directory,
// fed with the same input_event records a keyboard or mouse device gives.
#include "keytracker/key_tracker.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

unsigned long WaitForKey(int timeoutMs = 3000) {
  for (int t = 0; t < timeoutMs; t += 10) {
    if (unsigned long k = KeyTrackerGetKey()) return k;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;
}

// One FIFO node standing for a plugged-in device; the test holds its writing end.
class FakeDevice {
 public:
  FakeDevice(const TempDir& dir, const std::string& name) : path_(dir / name) {
    EXPECT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  }
  ~FakeDevice() { Unplug(); }
  // Opens the writing end; the reader may open the node before or after.
  void Plug() { fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC); }
  void Unplug() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  void Event(int type, int code, int value) {
    input_event e{};
    e.type = static_cast<decltype(e.type)>(type);
    e.code = static_cast<decltype(e.code)>(code);
    e.value = value;
    ASSERT_EQ(::write(fd_, &e, sizeof e), static_cast<ssize_t>(sizeof e));
  }
  // Reads back the records nobody has read (the node is ours too); how many there were.
  int TakeBackEvents() {
    const int flags = ::fcntl(fd_, F_GETFL);
    ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    int count = 0;
    input_event e{};
    while (::read(fd_, &e, sizeof e) == static_cast<ssize_t>(sizeof e)) ++count;
    ::fcntl(fd_, F_SETFL, flags);
    return count;
  }
  void Key(int code, int value) {
    Event(EV_KEY, code, value);
    Event(EV_SYN, SYN_REPORT, 0);
  }

 private:
  std::string path_;
  int fd_ = -1;
};

class EvdevRoute : public ::testing::Test {
 protected:
  void SetUp() override { KeyTrackerTestInputDirectory(dir.path().c_str()); }
  void TearDown() override {
    KeyTrackerTerm();
    MouseTrackerTerm();
    KeyTrackerTestInputDirectory(nullptr);
  }
  TempDir dir;
};

TEST_F(EvdevRoute, ReleasesOnAnyKeyboardAreRecordedPressesAndRepeatsAreNot) {
  FakeDevice panel(dir, "event0"), keyboard(dir, "event1");
  panel.Plug();
  keyboard.Plug();
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  panel.Key(KEY_5, 1);
  panel.Key(KEY_5, 2);
  EXPECT_EQ(WaitForKey(200), 0u);  // nothing before the release
  panel.Key(KEY_5, 0);
  EXPECT_EQ(WaitForKey(), 0x35u);
  keyboard.Key(KEY_8, 1);
  keyboard.Key(KEY_8, 0);
  EXPECT_EQ(WaitForKey(), 0x38u);
  // The filter applies to what the thread records.
  ASSERT_EQ(KeyTrackerInit(0x36, -1, -1, -1), 1);
  panel.Key(KEY_5, 0);
  panel.Key(KEY_6, 0);
  EXPECT_EQ(WaitForKey(), 0x36u);
  EXPECT_EQ(WaitForKey(200), 0u);
}

TEST_F(EvdevRoute, ADevicePluggedInLaterIsReadAndAnUnpluggedOneIsLetGo) {
  FakeDevice first(dir, "event0");
  first.Plug();
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  // Unplugging must neither stop the other devices nor make the thread spin.
  first.Unplug();
  FakeDevice second(dir, "event7");
  second.Plug();
  FakeDevice notADevice(dir, "mouse0");  // only event* nodes are devices
  notADevice.Plug();
  bool seen = false;
  // The new node is opened when the directory watch reports it: keep pressing until then.
  for (int tries = 0; tries < 100 && !seen; ++tries) {
    second.Key(KEY_7, 0);
    seen = WaitForKey(30) == 0x37u;
  }
  EXPECT_TRUE(seen);
  notADevice.Key(KEY_9, 0);
  // Presses made while the node was not yet open may still come in, but never the 9.
  for (auto key = WaitForKey(200); key != 0u; key = WaitForKey(200)) EXPECT_EQ(key, 0x37u);
}

TEST_F(EvdevRoute, NoNodeMeansNoTrackingAndTermStopsTheThread) {
  EXPECT_EQ(KeyTrackerInit(0, 0, 0, 0), 0);
  FakeDevice device(dir, "event0");
  device.Plug();
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  KeyTrackerTerm();
  device.Key(KEY_5, 0);  // nobody reads it now
  EXPECT_EQ(WaitForKey(200), 0u);
  // The records are still in the node: no thread took them. Taking them back leaves the
  // node empty for the next Init.
  EXPECT_EQ(device.TakeBackEvents(), 2);
  // And the next Init watches again.
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  device.Key(KEY_6, 0);
  EXPECT_EQ(WaitForKey(), 0x36u);
  EXPECT_EQ(WaitForKey(200), 0u);
}

TEST_F(EvdevRoute, AMouseButtonLeavesItsMessageInTheFirstSlot) {
  FakeDevice mouse(dir, "event3");
  mouse.Plug();
  // An empty stack, and no keyboard reader: a FIFO, unlike a device, gives each record to
  // one reader only.
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  KeyTrackerTerm();
  ASSERT_EQ(MouseTrackerInit(0), 1);
  mouse.Event(EV_KEY, BTN_LEFT, 1);
  mouse.Event(EV_SYN, SYN_REPORT, 0);
  EXPECT_EQ(WaitForKey(), 0x0201u);  // WM_LBUTTONDOWN
}

}  // namespace

namespace {

// A joystick's button bound as a coin: its node read beside the keyboards (none here),
// only the named code counted, on release.
TEST_F(EvdevRoute, AJoystickButtonNamedAsAKeyIsCountedOnItsRelease) {
  const TempDir nodes;
  FakeDevice pad(nodes, "event7");
  pad.Plug();
  KeyTrackerWatchJoystickKey((nodes / "event7").c_str(), BTN_BASE, 0x36);
  KeyTrackerWatchJoystickKey((nodes / "event7").c_str(), BTN_TOP, 0x37);
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  pad.Key(BTN_BASE, 1);
  pad.Key(BTN_BASE, 2);
  pad.Key(BTN_TRIGGER, 0);  // not named
  pad.Event(EV_ABS, ABS_X, 0);
  pad.Key(BTN_BASE, 0);
  EXPECT_EQ(WaitForKey(), 0x36u);
  pad.Key(BTN_TOP, 0);
  EXPECT_EQ(WaitForKey(), 0x37u);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  // Forgotten with the watching: the next start reads no joystick.
  KeyTrackerTerm();
  EXPECT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 0);
}

}  // namespace
