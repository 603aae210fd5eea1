#include "keytracker/key_tracker.h"

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

namespace {

class KeyTracker : public ::testing::Test {
 protected:
  void SetUp() override {
    KeyTrackerTerm();
    MouseTrackerTerm();
    KeyTrackerTestMode(1);
  }
  void TearDown() override {
    KeyTrackerTerm();
    MouseTrackerTerm();
    KeyTrackerTestMode(0);
  }
  static void Release(int linuxKey) {
    KeyTrackerTestFeedLinuxKey(linuxKey, 1);
    KeyTrackerTestFeedLinuxKey(linuxKey, 0);
  }
};

}  // namespace

TEST_F(KeyTracker, CoinKeysComeOutNewestFirst) {
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  Release(KEY_5);
  Release(KEY_X);
  Release(KEY_8);
  EXPECT_EQ(KeyTrackerGetKey(), 0x38u);
  EXPECT_EQ(KeyTrackerGetKey(), 0x35u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
}

TEST_F(KeyTracker, PressesAndAutoRepeatsAreNotRecorded) {
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  KeyTrackerTestFeedLinuxKey(KEY_6, 1);
  KeyTrackerTestFeedLinuxKey(KEY_6, 2);
  KeyTrackerTestFeedLinuxKey(KEY_6, 2);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTestFeedLinuxKey(KEY_6, 0);
  EXPECT_EQ(KeyTrackerGetKey(), 0x36u);
}

TEST_F(KeyTracker, NoFilterRecordsEveryKeyWithItsVirtualKeyCode) {
  ASSERT_EQ(KeyTrackerInit(0, 0x36, 0x37, 0x38), 1);
  const std::vector<std::pair<int, unsigned long>> keys = {
      {KEY_5, 0x35}, {KEY_6, 0x36}, {KEY_7, 0x37}, {KEY_8, 0x38}, {KEY_0, 0x30},
      {KEY_A, 0x41}, {KEY_Z, 0x5A}, {KEY_ESC, 0x1B}, {KEY_ENTER, 0x0D}, {KEY_SPACE, 0x20},
      {KEY_LEFTSHIFT, 0x10}, {KEY_RIGHTCTRL, 0x11}, {KEY_LEFTALT, 0x12}, {KEY_F1, 0x70},
      {KEY_F12, 0x7B}, {KEY_UP, 0x26}, {KEY_DOWN, 0x28}, {KEY_KP5, 0x65},
  };
  for (const auto& [linuxKey, vk] : keys) {
    Release(linuxKey);
    EXPECT_EQ(KeyTrackerGetKey(), vk) << "kernel key " << linuxKey;
  }
  // A key without a virtual-key code leaves nothing.
  Release(KEY_RESERVED);
  Release(KEY_MAX);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
}

TEST_F(KeyTracker, NineteenUnreadKeysWrapToTheBottomSlot) {
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  for (unsigned long k = 1; k <= 19; ++k) KeyTrackerTestFeed(k);
  EXPECT_EQ(KeyTrackerGetKey(), 1u) << "count is 0: the read takes slot 0, the first key";
  EXPECT_EQ(KeyTrackerGetKey(), 0u);

  // After a wrap new keys overwrite from slot 0; the older unread ones are lost.
  for (unsigned long k = 1; k <= 19; ++k) KeyTrackerTestFeed(k);
  KeyTrackerTestFeed(100);
  KeyTrackerTestFeed(101);
  EXPECT_EQ(KeyTrackerGetKey(), 101u);
  EXPECT_EQ(KeyTrackerGetKey(), 100u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);

  // Eighteen keys do not wrap.
  for (unsigned long k = 1; k <= 18; ++k) KeyTrackerTestFeed(k);
  for (unsigned long k = 18; k >= 1; --k) EXPECT_EQ(KeyTrackerGetKey(), k);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
}

TEST_F(KeyTracker, KeysThatFailTheFilterStillWrapAFullStack) {
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  for (int i = 0; i < 18; ++i) KeyTrackerTestFeed(0x35);
  KeyTrackerTestFeed(0x41);  // not recorded, count stays 18
  EXPECT_EQ(KeyTrackerGetKey(), 0x35u);
  KeyTrackerTestFeed(0x36);
  KeyTrackerTestFeed(0x37);  // 19th recorded: wrap
  EXPECT_EQ(KeyTrackerGetKey(), 0x35u) << "slot 0 holds the first key";
}

TEST_F(KeyTracker, InitAgainResetsAndTermStopsRecording) {
  KeyTrackerTerm();  // without Init: nothing happens
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTestFeed(0x35);  // not hooked: ignored
  EXPECT_EQ(KeyTrackerGetKey(), 0u);

  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  KeyTrackerTestFeed(0x35);
  KeyTrackerTestFeed(0x36);
  ASSERT_EQ(KeyTrackerInit(0x41, 0x42, 0x43, 0x44), 1);  // still hooked: new filter, empty stack
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTestFeed(0x35);
  KeyTrackerTestFeed(0x42);
  EXPECT_EQ(KeyTrackerGetKey(), 0x42u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);

  KeyTrackerTerm();
  KeyTrackerTestFeed(0x42);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
}

TEST_F(KeyTracker, MouseEventsLandInTheBottomSlot) {
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  KeyTrackerTestFeedLinuxMouse(EV_KEY, BTN_LEFT, 1);
  EXPECT_EQ(KeyTrackerGetKey(), 0u) << "no mouse hook yet";
  ASSERT_EQ(MouseTrackerInit(123), 1);
  KeyTrackerTestFeedLinuxMouse(EV_KEY, BTN_LEFT, 1);
  EXPECT_EQ(KeyTrackerGetKey(), 0x201u);
  KeyTrackerTestFeedLinuxMouse(EV_KEY, BTN_RIGHT, 0);
  KeyTrackerTestFeedLinuxMouse(EV_SYN, SYN_REPORT, 0);
  EXPECT_EQ(KeyTrackerGetKey(), 0x205u);
  KeyTrackerTestFeedLinuxMouse(EV_REL, REL_X, 3);
  EXPECT_EQ(KeyTrackerGetKey(), 0x200u);
  // A key on the stack is not disturbed unless it sits in slot 0.
  Release(KEY_5);
  Release(KEY_6);
  KeyTrackerTestFeedLinuxMouse(EV_REL, REL_WHEEL, 1);
  EXPECT_EQ(KeyTrackerGetKey(), 0x36u);
  EXPECT_EQ(KeyTrackerGetKey(), 0x20Au);
  MouseTrackerTerm();
  KeyTrackerTestFeedLinuxMouse(EV_KEY, BTN_LEFT, 1);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
}

TEST_F(KeyTracker, EveryKeyRecordedWhileTheReaderKeepsUpIsCountedOnce) {
  // The feeder records on its own thread as the device reader does, never more than ten
  // keys ahead of the reader, so no wrap may lose one: each key must come out once.
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  constexpr unsigned long kKeys = 20000;
  constexpr unsigned long kAhead = 10;
  std::atomic<unsigned long> popped{0};
  std::atomic<bool> stop{false};
  std::thread feeder([&] {
    for (unsigned long k = 1; k <= kKeys && !stop; ++k) {
      while (k - popped.load() > kAhead && !stop) std::this_thread::yield();
      KeyTrackerTestFeed(k);
    }
  });
  std::vector<int> times(kKeys + 1, 0);
  bool invented = false;
  // A lost key would leave the reader waiting: give up after a generous while.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (popped.load() < kKeys && std::chrono::steady_clock::now() < deadline) {
    const unsigned long k = KeyTrackerGetKey();
    if (k == 0) {
      std::this_thread::yield();
      continue;
    }
    if (k > kKeys) {
      invented = true;
      break;
    }
    ++times[k];
    popped.fetch_add(1);
  }
  stop = true;
  feeder.join();
  EXPECT_FALSE(invented);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  EXPECT_EQ(std::count(times.begin() + 1, times.end(), 1), static_cast<long>(kKeys));
}

#include <dlfcn.h>

TEST(KeyTrackerLibrary, ExportsItsFunctionsByTheirCNamesOnly) {
  void* lib = ::dlopen("liborvanel.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(lib, nullptr) << ::dlerror();
  for (const char* name : {"KeyTrackerInit", "KeyTrackerGetKey", "KeyTrackerTerm", "KeyTrackerWatchCombination",
                           "KeyTrackerWatchCombinationButton", "KeyTrackerCombinationHeldMs",
                           "MouseTrackerInit", "MouseTrackerTerm"}) {
    EXPECT_NE(::dlsym(lib, name), nullptr) << name;
  }
  // The library's own helpers stay private.
  EXPECT_EQ(::dlsym(lib, "_ZN10keytracker22VirtualKeyFromLinuxKeyEi"), nullptr);
  ::dlclose(lib);
}

namespace {

// The exit combination Esc + 1, where a joystick's BTN_START also stands for the 1. Each
// step feeds one event and says whether the whole combination is held afterwards.
TEST_F(KeyTracker, TheExitCombinationIsHeldOnlyByPressesSeenWhileWatching) {
  struct Step {
    const char* node;  // nullptr: a keyboard
    int code;
    int value;
    bool held;
  };
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"both keys", {{nullptr, KEY_ESC, 1, false}, {nullptr, KEY_1, 1, true}, {nullptr, KEY_1, 0, false}}},
      {"a release and a new press start again",
       {{nullptr, KEY_ESC, 1, false}, {nullptr, KEY_1, 1, true}, {nullptr, KEY_ESC, 0, false},
        {nullptr, KEY_ESC, 1, true}}},
      {"a key held before the watch only repeats",
       {{nullptr, KEY_1, 1, false}, {nullptr, KEY_ESC, 2, false}, {nullptr, KEY_ESC, 0, false}}},
      {"the joystick button stands for the 1",
       {{nullptr, KEY_ESC, 1, false}, {"/dev/input/event9", BTN_START, 1, true},
        {"/dev/input/event9", BTN_START, 0, false}}},
      {"the same button on another device does not",
       {{nullptr, KEY_ESC, 1, false}, {"/dev/input/event8", BTN_START, 1, false}}},
      {"other keys change nothing",
       {{nullptr, KEY_ESC, 1, false}, {nullptr, KEY_1, 1, true}, {nullptr, KEY_2, 1, true},
        {nullptr, KEY_2, 0, true}}},
  };
  const int keys[] = {KEY_ESC, KEY_1};
  for (const auto& c : cases) {
    KeyTrackerWatchCombination(keys, 2);
    KeyTrackerWatchCombinationButton(1, "/dev/input/event9", BTN_START);
    ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const Step& s = c.steps[i];
      if (s.node) KeyTrackerTestFeedJoystickButton(s.node, s.code, s.value);
      else KeyTrackerTestFeedLinuxKey(s.code, s.value);
      EXPECT_EQ(KeyTrackerCombinationHeldMs() > 0, s.held) << c.name << ", step " << i;
    }
    KeyTrackerTerm();
  }
}

TEST_F(KeyTracker, TheExitCombinationCountsItsTimeAndIsForgottenWithTheWatching) {
  const int keys[] = {KEY_ESC};
  KeyTrackerTestFeedLinuxKey(KEY_ESC, 1);  // before the watch: not seen
  KeyTrackerWatchCombination(keys, 1);
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  EXPECT_EQ(KeyTrackerCombinationHeldMs(), 0u);
  KeyTrackerTestFeedLinuxKey(KEY_ESC, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_GE(KeyTrackerCombinationHeldMs(), 60u);
  KeyTrackerTerm();
  EXPECT_EQ(KeyTrackerCombinationHeldMs(), 0u);
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  KeyTrackerTestFeedLinuxKey(KEY_ESC, 1);
  EXPECT_EQ(KeyTrackerCombinationHeldMs(), 0u) << "no combination is watched any more";
}

}  // namespace
