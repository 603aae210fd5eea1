// Joysticks driving the menu: SDL's virtual devices through the real event queue.
#include "frontend/shell/pad_input.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/wiring_render_state.h"
#include "platform/joysticks.h"
#include "platform/window.h"
#include "shell_installation.h"
#include "virtual_pad.h"

using shell::PadRepeatDue;
using shell::PadRepeatStep;
using shell::VolumeRampDue;
using shell::gShell;
namespace wire = shell::wire;

namespace {

class PadInput : public shelltest::ShellInstallation {
 protected:
  void SetUp() override {
    ShellInstallation::SetUp();
    ASSERT_TRUE(platform::StartJoysticks());
  }
  void TearDown() override {
    Unplug();
    platform::StopJoysticks();
    ShellInstallation::TearDown();
  }
  void Plug() {
    const int index = testpad::Attach("Encoder");
    ASSERT_GE(index, 0) << SDL_GetError();
    pad = SDL_JoystickOpen(index);
    Pump();
  }
  void Unplug() {
    testpad::Detach(pad);
    Pump();
  }
  // What the main loop does with the queue.
  static void Pump() {
    platform::WindowEvent e;
    while (platform::PollEvent(e)) wire::HandleWindowEvent(e);
  }
  void Button(int b, bool down) {
    SDL_JoystickSetVirtualButton(pad, b, down ? 1 : 0);
    Pump();
  }
  void Hat(int bits) {
    SDL_JoystickSetVirtualHat(pad, 0, static_cast<Uint8>(bits));
    Pump();
  }
  void Axis(int a, int value) {
    SDL_JoystickSetVirtualAxis(pad, a, static_cast<Sint16>(value));
    Pump();
  }
  SDL_Joystick* pad = nullptr;
};

// Asteroids, Battlezone, Donkey Kong, Galaga, Ms. Pac-Man, Pac-Man.
TEST_F(PadInput, WithoutBindingsTheFirstStickAndHatMove) {
  Start();
  Plug();
  Hat(SDL_HAT_DOWN);
  EXPECT_EQ(Selected(), "bzone");
  Hat(SDL_HAT_CENTERED);
  Axis(1, 32767);
  EXPECT_EQ(Selected(), "dkong");
  Axis(1, 12000);  // above a quarter: still held, no new move
  Axis(1, 32767);
  EXPECT_EQ(Selected(), "dkong");
  Axis(1, 0);
  Axis(1, -32768);
  EXPECT_EQ(Selected(), "bzone");
  Button(5, true);  // bound to nothing
  EXPECT_EQ(Selected(), "bzone");
}

TEST_F(PadInput, AHeldDirectionRepeatsAfterTheKeyboardsDelayAndStopsOnRelease) {
  Start();
  Plug();
  Hat(SDL_HAT_DOWN);
  ASSERT_EQ(Selected(), "bzone");
  const platform::KeyRepeat timing = platform::KeyboardRepeat();
  ASSERT_EQ(PadRepeatDue(gShell.pads), 100000u + timing.delayMs);
  PadRepeatStep(gShell, shell::gCatalogue, gRender, 100000 + timing.delayMs - 1);
  EXPECT_EQ(Selected(), "bzone");
  PadRepeatStep(gShell, shell::gCatalogue, gRender, 100000 + timing.delayMs);
  EXPECT_EQ(Selected(), "dkong");
  EXPECT_EQ(PadRepeatDue(gShell.pads), 100000u + timing.delayMs + timing.intervalMs);
  PadRepeatStep(gShell, shell::gCatalogue, gRender, 100000 + timing.delayMs + timing.intervalMs);
  EXPECT_EQ(Selected(), "galaga");
  Hat(SDL_HAT_CENTERED);
  EXPECT_FALSE(PadRepeatDue(gShell.pads));
}

TEST_F(PadInput, BoundControlsActAndTheVolumeSeesTheRelease) {
  dir.Write("config/Orvanel.ini", shelltest::Crlf({"[General]", "LastEmu=arcade", "Transitions=NO", "ModeFenetre=OUI",
                                                   "[Manettes]", "DownKey=Bouton 3", "VolumeUPKey=Axe 0+"}));
  Start();
  Plug();
  Hat(SDL_HAT_DOWN);  // a device that bindings name has no defaults
  EXPECT_EQ(Selected(), "asteroid");
  Button(3, true);
  EXPECT_EQ(Selected(), "bzone");
  Button(3, false);
  Axis(0, 30000);
  ASSERT_TRUE(VolumeRampDue(gShell.volumeRamp));
  gShell.volumeRamp.level = 540;
  Axis(0, 0);
  EXPECT_FALSE(VolumeRampDue(gShell.volumeRamp));
  EXPECT_EQ(gShell.settings.musicVolume, 540);
}

TEST_F(PadInput, UnpluggingAHeldControlReleasesItAndAReplugWorksAgain) {
  dir.Write("config/Orvanel.ini", shelltest::Crlf({"[General]", "LastEmu=arcade", "Transitions=NO", "ModeFenetre=OUI",
                                                   "[Manettes]", "VolumeDownKey=Bouton 2"}));
  Start();
  Plug();
  Button(2, true);
  ASSERT_TRUE(VolumeRampDue(gShell.volumeRamp));
  ASSERT_TRUE(PadRepeatDue(gShell.pads));
  Unplug();
  EXPECT_FALSE(VolumeRampDue(gShell.volumeRamp));
  EXPECT_FALSE(PadRepeatDue(gShell.pads));
  Plug();
  Button(2, true);
  EXPECT_TRUE(VolumeRampDue(gShell.volumeRamp));
}

}  // namespace
