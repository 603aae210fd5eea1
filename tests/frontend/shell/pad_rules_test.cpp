// The rules of joystick controls without a device: edges with hysteresis, and bindings.
#include <gtest/gtest.h>

#include <optional>

#include "frontend/shell/game_exit.h"
#include "frontend/shell/pad_actions.h"
#include "frontend/shell/pad_state.h"

using shell::GameExitCombination;
using shell::GameExitOf;
using shell::KeyAction;
using shell::PadActionFor;
using shell::PadActionInInfoPanel;
using shell::PadButton;
using shell::PadCoinButton;
using shell::PadCoinButtons;
using shell::PadDevice;
using shell::PadEdge;
using shell::PadState;
using shell::ParsePadSettings;
using shell::UntilGameExit;

namespace {

using settings::PadControl;
using Kind = PadControl::Kind;

constexpr PadControl kAxis0Minus{Kind::Axis, 0, -1};
constexpr PadControl kAxis0Plus{Kind::Axis, 0, +1};

// Two identical encoders in two sockets, and a device without a node or port.
const PadDevice kPlayer1{"pci-0000:00:14.0-usb-0:1:1.0", "03000000790000000600000010010000", "Generic USB Joystick",
                         "/dev/input/event5"};
const PadDevice kPlayer2{"pci-0000:00:14.0-usb-0:2:1.0", "03000000790000000600000010010000", "Generic USB Joystick",
                         "/dev/input/event6"};
const PadDevice kVirtual{"", "ff00cf934f7276616e656c2076007600", "Virtual", ""};

TEST(PadState, AxesPressPastHalfAndReleaseUnderAQuarter) {
  const struct {
    int value;
    std::vector<PadEdge> edges;
  } steps[] = {
      {16000, {}},                                         // under half: nothing
      {16384, {{kAxis0Plus, true}}},                       // half
      {9000, {}},                                          // still held above a quarter
      {20000, {}},                                         // no second press
      {8000, {{kAxis0Plus, false}}},                       // back under a quarter
      {-32768, {{kAxis0Minus, true}}},
      {32767, {{kAxis0Minus, false}, {kAxis0Plus, true}}},  // straight across
      {0, {{kAxis0Plus, false}}},
      {-8192, {}},
  };
  PadState s;
  for (const auto& step : steps) EXPECT_EQ(s.Axis(0, step.value), step.edges) << step.value;
}

TEST(PadState, HatsReleaseBeforeTheyPressAndButtonsPressOnce) {
  PadState s;
  EXPECT_EQ(s.Hat(0, 1), (std::vector<PadEdge>{{{Kind::Hat, 0, 1}, true}}));
  EXPECT_EQ(s.Hat(0, 1 | 2), (std::vector<PadEdge>{{{Kind::Hat, 0, 2}, true}}));
  EXPECT_EQ(s.Hat(0, 4), (std::vector<PadEdge>{{{Kind::Hat, 0, 1}, false}, {{Kind::Hat, 0, 2}, false},
                                               {{Kind::Hat, 0, 4}, true}}));
  EXPECT_EQ(s.Button(3, true), (std::vector<PadEdge>{{{Kind::Button, 3, 0}, true}}));
  EXPECT_TRUE(s.Button(3, true).empty());
  EXPECT_EQ(s.Held().size(), 2u);
  EXPECT_EQ(s.Button(3, false), (std::vector<PadEdge>{{{Kind::Button, 3, 0}, false}}));
  EXPECT_TRUE(s.Button(3, false).empty());
}

// A trigger resting at one end, a button held while the device was plugged: rest, until let go.
TEST(PadState, WhatIsHeldWhenOpenedIsRest) {
  PadState s({-32768, 0}, {8}, {false, true});
  EXPECT_TRUE(s.Axis(0, -30000).empty());
  EXPECT_TRUE(s.Axis(0, 0).empty());
  EXPECT_EQ(s.Axis(0, -32768), (std::vector<PadEdge>{{kAxis0Minus, true}}));
  EXPECT_TRUE(s.Hat(0, 0).empty());
  EXPECT_TRUE(s.Button(1, false).empty());
  EXPECT_EQ(s.Button(1, true), (std::vector<PadEdge>{{{Kind::Button, 1, 0}, true}}));
  EXPECT_TRUE(s.Axis(-1, 32767).empty());
}

TEST(PadActions, BindingsByDeviceAndTheDefaultsOfDevicesNoBindingNames) {
  const PadDevice p1 = kPlayer1, p2 = kPlayer2, virt = kVirtual;
  const PadControl button0{Kind::Button, 0, 0}, button2{Kind::Button, 2, 0};
  const PadControl hatUp{Kind::Hat, 0, 1}, hatLeft{Kind::Hat, 0, 8}, axis1Plus{Kind::Axis, 1, +1};
  const struct {
    const char* what;
    PadSettings pads;
    PadDevice device;
    PadControl control;
    KeyAction action;
  } cases[] = {
      {"no binding: button 0 launches", {}, p1, button0, KeyAction::LaunchGame},
      {"no binding: hat moves", {}, p1, hatLeft, KeyAction::Left},
      {"no binding: stick moves", {}, virt, axis1Plus, KeyAction::Down},
      {"no binding: other buttons nothing", {}, p1, button2, KeyAction::None},
      {"bound to player 1's port", {.quit = "Bouton 2 @ pci-0000:00:14.0-usb-0:1:1.0"}, p1, button2, KeyAction::Quit},
      {"player 1's binding leaves player 2 the defaults", {.quit = "Bouton 2 @ pci-0000:00:14.0-usb-0:1:1.0"}, p2,
       button0, KeyAction::LaunchGame},
      {"a device with bindings has no defaults", {.quit = "Bouton 2 @ pci-0000:00:14.0-usb-0:1:1.0"}, p1, button0,
       KeyAction::None},
      {"any device", {.up = "croix 0 haut"}, p2, hatUp, KeyAction::Up},
      {"GUID and name when the port is unknown", {.menu = "Bouton 0 @ ff00cf934f7276616e656c2076007600  virtual"},
       virt, button0, KeyAction::Menu},
      {"one of several", {.down = "Axe 1+ @ elsewhere ; Axe 1+ @ pci-0000:00:14.0-usb-0:2:1.0"}, p2, axis1Plus,
       KeyAction::Down},
      {"the first action in key order", {.launchGame = "Bouton 2", .infos = "Bouton 2"}, p1, button2,
       KeyAction::Infos},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PadActionFor(ParsePadSettings(c.pads), c.device, c.control), c.action) << c.what;
}

TEST(PadActions, TheInformationPanelLetsOnlyItsOwnControlsAct) {
  const struct {
    KeyAction action;
    bool quitAssigned;
    KeyAction result;
  } cases[] = {
      {KeyAction::Quit, true, KeyAction::Infos},       {KeyAction::Up, true, KeyAction::Up},
      {KeyAction::Down, true, KeyAction::Down},        {KeyAction::Infos, true, KeyAction::Infos},
      {KeyAction::LaunchGame, true, KeyAction::None},  {KeyAction::LaunchGame, false, KeyAction::Infos},
      {KeyAction::None, false, KeyAction::None},
  };
  for (const auto& c : cases) EXPECT_EQ(PadActionInInfoPanel(c.action, c.quitAssigned), c.result);
}

TEST(PadActions, CoinButtonsOnTheConnectedDevicesTheyName) {
  const struct {
    const char* what;
    std::array<std::string, 4> coin;
    std::vector<PadCoinButton> buttons;
  } cases[] = {
      {"none", {}, {}},
      {"player 2's socket", {"Bouton 9 @ pci-0000:00:14.0-usb-0:2:1.0"}, {{"/dev/input/event6", 9, 0}}},
      {"any device with a node, coin 4", {"", "", "", "Bouton 1"},
       {{"/dev/input/event5", 1, 3}, {"/dev/input/event6", 1, 3}}},
      {"not a button", {"Croix 0 Haut", "Axe 1-"}, {}},
      {"a device not connected", {"Bouton 2 @ pci-0000:00:1d.0-usb-0:1:1.0"}, {}},
  };
  for (const auto& c : cases) {
    PadSettings pads;
    pads.coin = c.coin;
    EXPECT_EQ(PadCoinButtons(pads, {kPlayer1, kPlayer2, kVirtual}), c.buttons) << c.what;
  }
}

// The exit combination the settings ask for: its keys, and the buttons of the same actions
// on the connected devices (player 1's pad binds QuitKey; player 2's has no binding at all).
TEST(GameExit, KeysFromTheSettingsAndTheButtonsOfTheSameActions) {
  const struct {
    const char* what;
    std::string sortieJeu;
    int delay;
    std::optional<std::vector<int>> keys;
    std::vector<std::vector<PadButton>> buttons;
    bool problem;
  } cases[] = {
      {"empty: QuitKey alone", "", 2000, std::vector<int>{2}, {{{"/dev/input/event5", 7}}}, false},
      {"two keys, the second the launch key", "2+4", 1500, std::vector<int>{2, 4},
       {{{"/dev/input/event5", 7}}, {{"/dev/input/event6", 0}}}, false},
      {"unreadable: QuitKey alone, said", "Esc", 2000, std::vector<int>{2}, {{{"/dev/input/event5", 7}}}, true},
      {"a key bound to nothing", "114", 2000, std::vector<int>{114}, {{}}, false},
      {"off", "2+4", 0, std::nullopt, {}, false},
  };
  for (const auto& c : cases) {
    Settings s;
    s.sortieJeu = c.sortieJeu;
    s.sortieJeuDelai = c.delay;
    s.pads.quit = "Bouton 7 @ pci-0000:00:14.0-usb-0:1:1.0";
    std::string problem;
    const auto exit = GameExitOf(s, {kPlayer1, kPlayer2, kVirtual}, &problem);
    ASSERT_EQ(exit.has_value(), c.keys.has_value()) << c.what;
    EXPECT_EQ(!problem.empty(), c.problem) << c.what;
    if (!exit) continue;
    EXPECT_EQ(exit->keyCodes, *c.keys) << c.what;
    EXPECT_EQ(exit->buttons, c.buttons) << c.what;
    EXPECT_EQ(exit->delayMs, static_cast<std::uint32_t>(c.delay)) << c.what;
  }
}

TEST(GameExit, TheWaitEndsWhenTheDelayIsReached) {
  GameExitCombination exit;
  exit.delayMs = 2000;
  const struct {
    unsigned long held;
    std::uint32_t wait;
  } cases[] = {{0, 500}, {1, 500}, {1700, 300}, {1999, 1}, {2000, 0}, {5000, 0}};
  for (const auto& c : cases) EXPECT_EQ(UntilGameExit(exit, c.held, 500), c.wait) << c.held;
}

}  // namespace
