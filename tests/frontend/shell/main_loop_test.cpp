#include "render/animation_clock.h"
#include "render/screen.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/loop_timing.h"
#include "frontend/shell/main_loop.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/shutdown.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/window.h"
#include "frontend/shell/wiring_render_state.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using render::ResetRenderState;
using shell::DispatchEvent;
using shell::DisplayReset;
using shell::ExitModeCommand;
using shell::FrameDue;
using shell::FrameStep;
using shell::IdleStep;
using shell::IdleTimeout;
using shell::LoopDeadlines;
using shell::MusicCheckDue;
using shell::NextIdleTimeout;
using shell::ResetClocks;
using shell::ResetShellState;
using shell::StartFade;
using shell::StatisticsSaveDue;
using shell::TickReached;
using shell::gShell;
using shell::kRunQuitting;
using shell::kRunRunning;
using shell::kRunStopped;

namespace {

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    ResetRenderState(gRender);
    platform::SetLogDirectory(dir.path());
  }
  void TearDown() override { platform::ClearTickOverride(); }
  TempDir dir;
};

TEST_F(MainLoopTest, TickComparisonsSurviveTheWrap) {
  EXPECT_TRUE(TickReached(5, 0xFFFFFFF0u));
  EXPECT_FALSE(TickReached(0xFFFFFFF0u, 5));
  EXPECT_TRUE(FrameDue(100, 100, true));
  EXPECT_FALSE(FrameDue(99, 100, true));
  EXPECT_FALSE(FrameDue(100, 100, false));
  EXPECT_TRUE(FrameDue(3, 0xFFFFFFFEu, true));
}

TEST_F(MainLoopTest, MusicIsLookedAtOnceASecondAndNeverBeforeTheFirstDelay) {
  EXPECT_FALSE(MusicCheckDue(2000, 1000, false, 300));  // no music configured
  EXPECT_FALSE(MusicCheckDue(2000, 1000, true, 0));     // volume 0: no music
  EXPECT_FALSE(MusicCheckDue(1999, 1000, true, 300));
  EXPECT_TRUE(MusicCheckDue(2000, 1000, true, 300));
  // The first look is set 2 s ahead: the unsigned gap is huge, but it is in the future.
  EXPECT_FALSE(MusicCheckDue(1000, 3000, true, 300));
  EXPECT_FALSE(MusicCheckDue(3999, 3000, true, 300));
  EXPECT_TRUE(MusicCheckDue(4000, 3000, true, 300));
}

TEST_F(MainLoopTest, StatisticsAreSavedAfterMoreThanThirtySeconds) {
  EXPECT_FALSE(StatisticsSaveDue(30000, 0));
  EXPECT_TRUE(StatisticsSaveDue(30001, 0));
  EXPECT_TRUE(StatisticsSaveDue(29000, 0xFFFFF000u));
}

TEST_F(MainLoopTest, IdleTimeoutWaitsForTheEarliestDueStepAndAtMostASecond) {
  LoopDeadlines d;
  d.statisticsSave = 0;
  EXPECT_EQ(IdleTimeout(0, d), 1000u);  // nothing else: the one-second bound
  d.frame = 40;
  EXPECT_EQ(IdleTimeout(0, d), 40u);
  EXPECT_EQ(IdleTimeout(40, d), 0u);
  EXPECT_EQ(IdleTimeout(55, d), 0u);  // overdue
  d.frame.reset();
  d.musicCheck = 500;                 // due at 1500
  EXPECT_EQ(IdleTimeout(1000, d), 500u);
  d.musicCheck.reset();
  EXPECT_EQ(IdleTimeout(29500, d), 501u);  // the save is due when more than 30 s passed
  d.screensaver = 29600;
  EXPECT_EQ(IdleTimeout(29500, d), 100u);
  d.video = 29580;
  EXPECT_EQ(IdleTimeout(29500, d), 80u);
  d.slideClip = 29540;
  EXPECT_EQ(IdleTimeout(29500, d), 40u);
  d = {};
  d.statisticsSave = 0xFFFFFF00u;
  d.frame = 0xFFFFFFF0u + 20;  // wraps past zero
  EXPECT_EQ(IdleTimeout(0xFFFFFFF0u, d), 20u);
}

TEST_F(MainLoopTest, ResetClocksAndStartFade) {
  ResetClocks(gRender, gShell.volumeRamp, 500);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 500u);
  EXPECT_EQ(gRender.clocks.selectionPulse.period, 50u);
  EXPECT_EQ(gShell.volumeRamp.clock.period, 50u);
  EXPECT_EQ(gRender.clocks.scrollText.period, 20u);
  EXPECT_EQ(gRender.clocks.scrollText.due, 500u);
  // Level 0: the opening transition starts.
  EXPECT_FLOAT_EQ(gRender.clocks.fadeDelta, 0.01f);
  EXPECT_EQ(gRender.clocks.transition.period, 10u);

  gRender.clocks = {};
  gRender.clocks.fadeLevel = 1.0f;  // transitions off: nothing starts
  ResetClocks(gRender, gShell.volumeRamp, 500);
  EXPECT_FLOAT_EQ(gRender.clocks.fadeDelta, 0.0f);

  StartFade(gRender.clocks, 1.0f, 900);
  EXPECT_FLOAT_EQ(gRender.clocks.fadeStep, -0.01f);
  EXPECT_FLOAT_EQ(gRender.clocks.fadeDelta, -0.01f);
  EXPECT_EQ(gRender.clocks.transition.due, 900u);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 900u);
  StartFade(gRender.clocks, 0.5f, 900);
  EXPECT_FLOAT_EQ(gRender.clocks.fadeStep, 0.01f);
}

TEST_F(MainLoopTest, FrameStepRedrawsOnceASecondWhenNoClockRunsAndEndsTheQuit) {
  FrameStep(1000);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 2000u);
  EXPECT_EQ(gShell.runState, kRunRunning);

  gShell.runState = kRunQuitting;
  gRender.clocks.fadeDelta = -0.01f;  // closing transition still running
  FrameStep(2000);
  EXPECT_EQ(gShell.runState, kRunQuitting);
  gRender.clocks.fadeDelta = 0.0f;
  FrameStep(3000);
  EXPECT_EQ(gShell.runState, kRunStopped);
}

TEST_F(MainLoopTest, TheQuitEndsEvenWhenNoLayoutIsLeftToDrawItsLastFrame) {
  // No layout is loaded here (a switch that left none): no frame step can end the quit.
  gShell.runState = kRunQuitting;
  platform::SetTickOverride(1000);
  IdleStep(1000);
  EXPECT_EQ(gShell.runState, kRunStopped);
}

TEST_F(MainLoopTest, AFadingSlideAsksForItsFramesEvenInAStillTemplate) {
  gRender.screen.drawnCrossFadeAlpha = 240;
  gShell.settings.scrDuration = 0;  // a new slide at every frame: no fade to finish
  FrameStep(1000);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 2000u);
  gShell.settings.scrDuration = 5;
  FrameStep(1000);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 1020u);
  gRender.screen.drawnCrossFadeAlpha = 255;  // shown whole: back to once a second
  FrameStep(1020);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 2020u);
  gRender.screen = {};
}

TEST_F(MainLoopTest, IdleStepSavesStatisticsAndLooksAtMusicOnTime) {
  gShell.settings.musicFond = "/m";
  gShell.musicCheckTime = 3000;
  platform::SetTickOverride(4000);
  IdleStep(4000);
  EXPECT_EQ(gShell.musicCheckTime, 4000u);
  EXPECT_EQ(gShell.statisticsSaveTime, 0u);
  IdleStep(30001);
  EXPECT_EQ(gShell.statisticsSaveTime, 30001u);
  // The next wait ends with the next music look.
  EXPECT_EQ(NextIdleTimeout(4500), 500u);
  gShell.settings.musicVolume = 0;
  EXPECT_EQ(NextIdleTimeout(4500), 1000u);
}

TEST_F(MainLoopTest, CloseRequestStopsTheLoopAndResetsAreRecovered) {
  platform::WindowEvent e;
  e.type = platform::WindowEvent::Type::RenderDeviceReset;
  DispatchEvent(e);
  EXPECT_EQ(gShell.pendingReset, DisplayReset::Device);
  e.type = platform::WindowEvent::Type::RenderTargetsReset;
  DispatchEvent(e);  // a device reset covers the targets too
  EXPECT_EQ(gShell.pendingReset, DisplayReset::Device);
  EXPECT_EQ(NextIdleTimeout(0), 0u);
  IdleStep(10);
  EXPECT_EQ(gShell.pendingReset, DisplayReset::None);
  EXPECT_FALSE(gShell.deviceLost);

  e.type = platform::WindowEvent::Type::Close;
  DispatchEvent(e);
  EXPECT_EQ(gShell.runState, kRunStopped);
}

// The window manager's close is a way out like QuitKey: the kiosk lock refuses it (an
// unreadable lock too), never the system's stop.
TEST_F(MainLoopTest, TheKioskLockRefusesTheWindowsCloseButNotTheSystemsStop) {
  using Type = platform::WindowEvent::Type;
  const struct {
    const char* lock;
    Type event;
    bool ends;
  } cases[] = {
      {"", Type::Close, true},          {"", Type::Quit, true},
      {"672+672", Type::Close, false},  {"672+672", Type::Quit, true},
      {"Down", Type::Close, false},     {"Down", Type::Quit, true},
  };
  for (const auto& c : cases) {
    ResetShellState();
    gShell.settings.verrouillage = c.lock;
    platform::WindowEvent e;
    e.type = c.event;
    DispatchEvent(e);
    EXPECT_EQ(gShell.runState == kRunStopped, c.ends) << c.lock << " " << int(c.event);
  }
  EXPECT_NE(dir.Read("debug.txt").find("Fermeture de la fenetre refusee : verrouillage de la borne"), std::string::npos);
}

TEST_F(MainLoopTest, ExitModes) {
  EXPECT_EQ(ExitModeCommand(1, "ignored"), (std::vector<std::string>{"systemctl", "poweroff"}));
  EXPECT_EQ(ExitModeCommand(2, "\"/opt/my app/run\" -x \"a b\""),
            (std::vector<std::string>{"/opt/my app/run", "-x", "a b"}));
  EXPECT_TRUE(ExitModeCommand(2, "").empty());
  EXPECT_TRUE(ExitModeCommand(2, "   ").empty());
  EXPECT_TRUE(ExitModeCommand(0, "/bin/true").empty());
  EXPECT_TRUE(ExitModeCommand(3, "/bin/true").empty());
}

}  // namespace
