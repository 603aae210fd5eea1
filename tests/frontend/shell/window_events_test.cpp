#include "frontend/shell/shell_state.h"
#include "frontend/shell/window_events.h"
#include "frontend/shell/wiring_render_state.h"

#include <gtest/gtest.h>

#include "catalogue/history.h"
#include "render/frame_state.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/info_panel.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/screensaver.h"
#include "platform/keycodes.h"
#include "platform/window.h"
#include "shell_installation.h"

using render::PrepareScrollText;
using render::kScrollText;
using shell::InfoPanelOpen;
using shell::KillScreensaverTimer;
using shell::LaunchEntry;
using shell::OnFocusLost;
using shell::OnKeyDown;
using shell::OnKeyUp;
using shell::VolumeRampDue;
using shell::gShell;
using shell::kRunQuitting;
using shell::kRunRunning;

namespace {

// SDL scancodes (USB usage ids) of the keys used here.
constexpr int kScanDown = 81;
constexpr int kScanG = 10;  // VolumeUPKey
constexpr int kScanLeftAlt = 226;
constexpr int kScanF10 = 67;
constexpr int kScanSpace = 44;  // InfosKey
constexpr int kScanUnknown = 0;
constexpr int kScanEscape = 41;  // QuitKey
constexpr int kScanUp = 82;

platform::WindowEvent Key(platform::WindowEvent::Type type, int scancode, bool repeat = false) {
  platform::WindowEvent e;
  e.type = type;
  e.scancode = scancode;
  e.repeat = repeat;
  return e;
}
void Down(int scancode, bool repeat = false) { OnKeyDown(gShell, shell::gCatalogue, gRender, Key(platform::WindowEvent::Type::KeyDown, scancode, repeat)); }
void Up(int scancode) { OnKeyUp(gShell, shell::gCatalogue, gRender, Key(platform::WindowEvent::Type::KeyUp, scancode)); }
void Press(int scancode) {
  Down(scancode);
  Up(scancode);
}

class WindowEvents : public shelltest::ShellInstallation {};

TEST_F(WindowEvents, KeyDownActsAndAutoRepeatKeepsMoving) {
  Start();
  Down(kScanDown);
  Down(kScanDown, true);
  Down(kScanDown, true);
  Up(kScanDown);
  EXPECT_EQ(Selected(), "galaga");
  EXPECT_TRUE(gShell.input.navigateArmed);
}

TEST_F(WindowEvents, KeyDownRestartsTheScreensaverCountUnlessThePanelIsOpen) {
  Start();
  Press(kScanUnknown);  // a key with no code still counts as a key press
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  EXPECT_EQ(gShell.screensaverTimer.due, 100000u + 60000u);
  platform::SetTickOverride(130000);
  Press(kScanDown);
  EXPECT_EQ(gShell.screensaverTimer.due, 130000u + 60000u);

  dir.Write("emu/history.dat", "$info=bzone,\r\nbio\r\n\r\nA tank game.\r\n$end\r\n");
  Press(kScanSpace);
  ASSERT_TRUE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_FALSE(gShell.screensaverTimer.armed);
  Press(kScanDown);  // scrolls the panel: the screensaver stays off
  EXPECT_FALSE(gShell.screensaverTimer.armed);
}

TEST_F(WindowEvents, AKeyDuringTheSlideShowOnlyEndsIt) {
  Start();
  gShell.slideShow.running = true;
  Press(kScanDown);
  EXPECT_FALSE(gShell.slideShow.running);
  EXPECT_EQ(Selected(), "asteroid");
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  Press(kScanDown);
  EXPECT_EQ(Selected(), "bzone");
}

TEST_F(WindowEvents, AltAloneAndF10AreTheSystemMenuKey) {
  Start();
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "shmup", 0, 1), 1);
  Press(kScanLeftAlt);  // MenuGenKey 999: the base configuration
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");

  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "shmup", 0, 1), 1);
  Press(kScanF10);
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
}

TEST_F(WindowEvents, AnAltPressCutByAFocusLossIsNotTheSystemMenuKey) {
  Start();
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "shmup", 0, 1), 1);
  Down(kScanLeftAlt);
  OnFocusLost(gShell.input);  // Alt+Tab to another window and back
  Up(kScanLeftAlt);
  EXPECT_EQ(gShell.settings.currentConfig, "shmup");
  Press(kScanLeftAlt);  // a whole press afterwards still is
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
}

TEST_F(WindowEvents, KeysPressedWithAltDoNothing) {
  Start();
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "shmup", 0, 1), 1);
  KillScreensaverTimer(gShell.screensaverTimer);
  Down(kScanLeftAlt);
  Press(kScanDown);
  Up(kScanLeftAlt);
  EXPECT_EQ(gShell.settings.currentConfig, "shmup");
  EXPECT_EQ(Selected(), "raiden");
  EXPECT_FALSE(gShell.screensaverTimer.armed);
}

TEST_F(WindowEvents, KeyUpEndsTheVolumeRampAndRearmsTheNavigateSound) {
  Start();
  Down(kScanG);
  Down(kScanG, true);
  ASSERT_TRUE(VolumeRampDue(gShell.volumeRamp).has_value());
  gShell.volumeRamp.level = 540;  // where the ramp got to
  Up(kScanG);
  EXPECT_FALSE(VolumeRampDue(gShell.volumeRamp).has_value());
  EXPECT_EQ(gShell.settings.musicVolume, 540);
}

TEST_F(WindowEvents, KeyUpRestartsAScrollTextWithGameTagsAfterAMove) {
  Start();
  gRender.layout.objects[kScrollText].visible = true;
  gRender.layout.objects[kScrollText].width = 200;
  gRender.scrollText.source = "Now playing [NomJeux] on the cabinet";
  PrepareScrollText(gRender);
  ASSERT_TRUE(gRender.scrollText.hasGameTags);

  gRender.scrollText.firstChar = 7;  // scrolled on
  Press(kScanG);              // no move: the text goes on
  EXPECT_EQ(gRender.scrollText.firstChar, 7);
  Press(kScanDown);  // the selection moved: the text starts again with the new name
  EXPECT_EQ(gRender.scrollText.firstChar, 0);
}

// Escape held to leave the game and Up held with it are still down when the menu comes
// back: their presses, the first one SDL reports included, and their releases do nothing;
// pressed again they act. Other keys act meanwhile.
TEST_F(WindowEvents, KeysHeldFromTheGameActOnlyOncePressedAgain) {
  Start();
  gShell.input.heldSinceGame.Hold({platform::KeyCodeFromScancode(kScanEscape), platform::KeyCodeFromScancode(kScanUp)});
  struct Step {
    const char* what;
    platform::WindowEvent::Type type;
    int scancode;
    bool repeat;
    const char* selected;
    int runState;
  };
  using T = platform::WindowEvent::Type;
  const Step steps[] = {
      {"Escape's first repeat, a press to SDL", T::KeyDown, kScanEscape, false, "asteroid", kRunRunning},
      {"Escape repeats", T::KeyDown, kScanEscape, true, "asteroid", kRunRunning},
      {"Up repeats", T::KeyDown, kScanUp, false, "asteroid", kRunRunning},
      {"Down, not held, acts", T::KeyDown, kScanDown, false, "bzone", kRunRunning},
      {"Down released", T::KeyUp, kScanDown, false, "bzone", kRunRunning},
      {"Up repeats on", T::KeyDown, kScanUp, true, "bzone", kRunRunning},
      {"Up released", T::KeyUp, kScanUp, false, "bzone", kRunRunning},
      {"Up pressed again acts", T::KeyDown, kScanUp, false, "asteroid", kRunRunning},
      {"Escape still repeats", T::KeyDown, kScanEscape, true, "asteroid", kRunRunning},
      {"Escape released", T::KeyUp, kScanEscape, false, "asteroid", kRunRunning},
      {"Escape pressed again quits", T::KeyDown, kScanEscape, false, "asteroid", kRunQuitting},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const platform::WindowEvent e = Key(step.type, step.scancode, step.repeat);
    if (step.type == T::KeyDown) OnKeyDown(gShell, shell::gCatalogue, gRender, e);
    else OnKeyUp(gShell, shell::gCatalogue, gRender, e);
    EXPECT_EQ(Selected(), step.selected);
    EXPECT_EQ(gShell.runState, step.runState);
  }
}

// A held key whose release the window never saw (it did not auto-repeat, so SDL dropped
// the release): a look at the keyboard lets it go, and its next press acts.
TEST_F(WindowEvents, AHeldKeyFoundReleasedOnTheKeyboardActsAgain) {
  Start();
  const int down = platform::KeyCodeFromScancode(kScanDown);
  gShell.input.heldSinceGame.Hold({down});
  gShell.input.heldSinceGame.KeepOnly({down});
  Down(kScanDown, true);
  EXPECT_EQ(Selected(), "asteroid");
  gShell.input.heldSinceGame.KeepOnly({});
  Press(kScanDown);
  EXPECT_EQ(Selected(), "bzone");
}

}  // namespace
