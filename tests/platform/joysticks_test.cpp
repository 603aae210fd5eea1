// Joysticks through the event queue, with SDL's virtual devices (no /dev/input here).
#include "platform/joysticks.h"
#include "platform/joystick_capture.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <linux/input.h>

#include <vector>

#include "platform/window.h"
#include "virtual_pad.h"

namespace {

using Type = platform::WindowEvent::Type;

std::vector<platform::WindowEvent> Drain() {
  std::vector<platform::WindowEvent> out;
  platform::WindowEvent e;
  while (platform::PollEvent(e))
    if (e.type != Type::Other) out.push_back(e);
  return out;
}

class Joysticks : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::StartJoysticks()); }
  void TearDown() override {
    if (handle) SDL_JoystickClose(handle);
    platform::StopJoysticks();
  }
  SDL_Joystick* handle = nullptr;
};

TEST_F(Joysticks, ADeviceArrivesOpenReportsItsControlsAndLeaves) {
  const int index = testpad::Attach("Test pad");
  ASSERT_GE(index, 0) << SDL_GetError();
  auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, Type::JoyAdded);
  const int id = events[0].device;
  const auto identity = platform::JoystickIdentityOf(id);
  ASSERT_TRUE(identity);
  EXPECT_EQ(identity->name, "Test pad");
  EXPECT_EQ(identity->guid.size(), 32u);
  EXPECT_EQ(identity->node, "");  // a virtual device has no event node, hence no port
  EXPECT_EQ(identity->physicalPath, "");
  const platform::JoystickState rest = platform::JoystickStateOf(id);
  EXPECT_EQ(rest.axes.size(), 2u);
  EXPECT_EQ(rest.hats.size(), 1u);
  EXPECT_EQ(rest.buttons.size(), 12u);

  handle = SDL_JoystickFromInstanceID(id);
  SDL_JoystickSetVirtualButton(handle, 7, 1);
  SDL_JoystickSetVirtualHat(handle, 0, SDL_HAT_DOWN);
  SDL_JoystickSetVirtualAxis(handle, 1, -30000);
  const struct {
    Type type;
    int control, value;
  } expected[] = {{Type::JoyAxis, 1, -30000}, {Type::JoyButton, 7, 1}, {Type::JoyHat, 0, SDL_HAT_DOWN}};
  events = Drain();
  // SDL may first say where an axis rests.
  std::erase_if(events, [](const platform::WindowEvent& e) { return e.type == Type::JoyAxis && e.value == 0; });
  ASSERT_EQ(events.size(), std::size(expected));
  for (std::size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].type, expected[i].type) << i;
    EXPECT_EQ(events[i].device, id);
    EXPECT_EQ(events[i].control, expected[i].control) << i;
    EXPECT_EQ(events[i].value, expected[i].value) << i;
  }

  // A game: let go, then taken again without an arrival of its own.
  platform::CloseJoysticks();
  EXPECT_FALSE(platform::JoystickIdentityOf(id));
  EXPECT_EQ(platform::ReopenJoysticks(), std::vector<int>{id});
  for (const auto& e : Drain()) EXPECT_NE(e.type, Type::JoyAdded);  // its state may follow
  EXPECT_TRUE(platform::JoystickIdentityOf(id));

  SDL_JoystickClose(handle);
  handle = nullptr;
  ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0);
  events = Drain();  // its controls let go, then it leaves
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().type, Type::JoyRemoved);
  EXPECT_EQ(events.back().device, id);
  EXPECT_FALSE(platform::JoystickIdentityOf(id));
}

TEST(JoystickPort, NodesWithoutAPortHaveNone) {
  for (const char* node : {"", "/nonexistent/event3", "/dev/null", "/tmp"})
    EXPECT_EQ(platform::PhysicalPathOfNode(node), "") << node;
}

}  // namespace

namespace {

// As SDL's Linux driver numbers a device's buttons, so that the key tracker reading the
// node counts the button SDL called n.
TEST(JoystickButtons, NumberedAsSdlsLinuxDriverDoes) {
  const struct {
    const char* device;
    std::vector<int> codes;
    std::vector<int> ordered;
  } cases[] = {
      {"zero-delay encoder", {BTN_BASE6, BTN_TRIGGER, BTN_THUMB, BTN_BASE, BTN_DEAD},
       {BTN_TRIGGER, BTN_THUMB, BTN_BASE, BTN_BASE6, BTN_DEAD}},
      {"gamepad", {BTN_START, BTN_SOUTH, BTN_EAST, BTN_SELECT}, {BTN_SOUTH, BTN_EAST, BTN_SELECT, BTN_START}},
      {"misc buttons after the joystick's", {BTN_0, BTN_1, BTN_TRIGGER}, {BTN_TRIGGER, BTN_0, BTN_1}},
      {"keys of a keyboard last, in code order", {KEY_A, KEY_ESC, BTN_SOUTH, BTN_TRIGGER_HAPPY1},
       {BTN_SOUTH, BTN_TRIGGER_HAPPY1, KEY_ESC, KEY_A}},
      {"codes out of range left out", {-1, KEY_MAX, BTN_TRIGGER, BTN_TRIGGER}, {BTN_TRIGGER}},
      {"no button", {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::ButtonCodesInSdlOrder(c.codes), c.ordered) << c.device;
  EXPECT_EQ(platform::JoystickButtonCode("/nonexistent/event0", 0), -1);
  EXPECT_EQ(platform::JoystickButtonCode("/dev/null", 0), -1);  // not an event device
}

}  // namespace

namespace {

// The configurator's question: the first control pushed, each push once, the rest ignored.
TEST(JoystickWatch, ReportsEachPushOnceFromTheStateADeviceWasFoundIn) {
  platform::JoystickWatch watch;
  ASSERT_GE(testpad::Attach("Capture pad"), 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
  ASSERT_NE(pad, nullptr);
  SDL_JoystickSetVirtualAxis(pad, 0, -32768);  // held before the watch finds it: rest
  EXPECT_FALSE(watch.Poll());
  using Kind = platform::JoystickPush::Kind;
  const struct {
    const char* what;
    int button, hat, axis1;
    std::optional<Kind> kind;
    int index, direction;
  } steps[] = {
      {"nothing", 0, 0, 0, std::nullopt, 0, 0},
      {"button 3", 1 << 3, 0, 0, Kind::Button, 3, 0},
      {"still held", 1 << 3, 0, 0, std::nullopt, 0, 0},
      {"hat down", 0, SDL_HAT_DOWN, 0, Kind::Hat, 0, SDL_HAT_DOWN},
      {"stick under half", 0, 0, -16000, std::nullopt, 0, 0},
      {"stick up", 0, 0, -30000, Kind::Axis, 1, -1},
      {"stick across", 0, 0, 30000, Kind::Axis, 1, +1},
  };
  for (const auto& s : steps) {
    for (int b = 0; b < 12; ++b) SDL_JoystickSetVirtualButton(pad, b, (s.button >> b) & 1);
    SDL_JoystickSetVirtualHat(pad, 0, static_cast<Uint8>(s.hat));
    SDL_JoystickSetVirtualAxis(pad, 1, static_cast<Sint16>(s.axis1));
    const auto push = watch.Poll();
    ASSERT_EQ(push.has_value(), s.kind.has_value()) << s.what;
    if (!push) continue;
    EXPECT_EQ(push->kind, *s.kind) << s.what;
    EXPECT_EQ(push->index, s.index) << s.what;
    EXPECT_EQ(push->direction, s.direction) << s.what;
    EXPECT_EQ(push->device.name, "Capture pad");
  }
  testpad::Detach(pad);
  EXPECT_FALSE(watch.Poll());
}

}  // namespace
