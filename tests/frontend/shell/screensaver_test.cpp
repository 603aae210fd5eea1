#include "catalogue/catalogue_state.h"
#include "frontend/shell/shell_state.h"
#include "launch_fixture.h"
#include "frontend/shell/wiring_render_state.h"

#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/layout.h"
#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/wiring_launch.h"
#include "frontend/shell/window_events.h"
#include "platform/clock.h"
#include "platform/monitor_power.h"
#include "platform/window.h"
#include "render/render_state.h"

#include <chrono>
#include <set>

using shell::EndSlideShow;
using shell::NextSlide;
using shell::OnKeyDown;
using shell::ScreensaverDeadline;
using shell::SlideDue;
using shell::gCatalogue;
using shell::gShell;
namespace wire = shell::wire;

using catalogue::GameEntry;

namespace {

class Screensaver : public LaunchFixture {
 protected:
  void SetUp() override {
    LaunchFixture::SetUp();
    gRender.layout.listNbItems = 5;
    gShell.launchTiming.killGraceMs = 300;
  }
  void OneGame(const std::string& rom) {
    gCatalogue.games.entries.push_back(GameEntry{rom, rom, "", "", "", "", rom});
    gCatalogue.games.displayOrder.push_back(0);
    gCatalogue.games.entryCount = 1;
  }
  // Arms the timer and lets it fire, as the main loop does when the deadline passes.
  void FireTimer() {
    wire::ArmScreensaver();
    ASSERT_TRUE(ScreensaverDeadline(gShell.screensaverTimer));
    wire::ScreensaverStep(*ScreensaverDeadline(gShell.screensaverTimer));
  }
};

long long MsSince(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
}

TEST_F(Screensaver, RandomGameIsEndedAfterScrDurationEvenWhenItIgnoresSigterm) {
  OneGame("rom1");
  Script("run_ms=30000;ignore_term=1");
  gShell.settings.scrType = '1';
  gShell.settings.scrTimeOut = 2;
  gShell.settings.scrDuration = 1;
  const auto t0 = std::chrono::steady_clock::now();
  FireTimer();
  const long long ms = MsSince(t0);
  // Shown for 1 s, run for 1 s (seen within a 500 ms poll), then 300 ms of grace.
  EXPECT_GE(ms, 2000 + 300);
  EXPECT_LT(ms, 2000 + 500 + 300 + 5000);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_GE(runs[0].termsIgnored, 1);
  EXPECT_FALSE(runs[0].ended);
  EXPECT_NE(Log().find("Lancement de rom1 (screensaver)"), std::string::npos);
  EXPECT_EQ(GameStat("rom1", "NbScr"), "1");
  EXPECT_EQ(GlobalStat("StatGen", "NbScr"), "1");
  EXPECT_EQ(GlobalStat("games", "NbScr"), "1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "");
  EXPECT_EQ(GameStat("rom1", "TpsJeux"), "");  // a screensaver run is not play time
  // The next idle period starts at once.
  EXPECT_TRUE(gShell.screensaverTimer.armed);
}

TEST_F(Screensaver, ACoinTurnsTheRunIntoANormalGameThatIsNotEnded) {
  OneGame("rom1");
  Script("run_ms=3000");
  gShell.settings.scrType = '1';
  gShell.settings.scrTimeOut = 2;
  gShell.settings.scrDuration = 1;
  PressKeysDuringGame({0x35}, 300);
  FireTimer();
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].ended);
  EXPECT_EQ(runs[0].termsIgnored, 0);
  EXPECT_EQ(GameStat("rom1", "NbScr"), "1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "1");
  EXPECT_EQ(GameStat("rom1", "C1"), "1");
  EXPECT_EQ(GlobalStat("StatGen", "Nb"), "1");
  // The last line of the log before the return says it was a screensaver start.
  EXPECT_NE(Log().find("Lancement de rom1 (screensaver)"), std::string::npos);
}

TEST_F(Screensaver, GameThatEndsByItselfIsNotSignalled) {
  OneGame("rom1");
  Script("run_ms=200");
  gShell.settings.scrType = '1';
  gShell.settings.scrTimeOut = 2;
  gShell.settings.scrDuration = 5;
  FireTimer();
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].ended);
  EXPECT_EQ(runs[0].termsIgnored, 0);
}

TEST_F(Screensaver, NothingWithoutTimeOutOrEntriesOrForOtherTypes) {
  gShell.settings.scrType = '1';
  gShell.settings.scrTimeOut = 0;
  wire::ArmScreensaver();
  EXPECT_FALSE(ScreensaverDeadline(gShell.screensaverTimer));

  gShell.settings.scrTimeOut = 1;
  FireTimer();  // empty list
  EXPECT_TRUE(Runs().empty());
  EXPECT_FALSE(ScreensaverDeadline(gShell.screensaverTimer));  // off until the next key

  OneGame("rom1");
  for (char type : {'0', '4', 'x', '\0'}) {
    gShell.settings.scrType = type;
    FireTimer();
  }
  EXPECT_TRUE(Runs().empty());
  EXPECT_FALSE(gShell.slideShow.running);
}

TEST_F(Screensaver, SlideShowStartsAndAKeyEndsIt) {
  gShell.settings.scrType = '2';
  gShell.settings.scrTimeOut = 1;
  FireTimer();
  EXPECT_TRUE(gShell.slideShow.running);
  platform::SetTickOverride(50000);
  gRender.clocks.nextFrameTime = 51000;
  EndSlideShow(gRender, gShell.slideShow);
  EXPECT_FALSE(gShell.slideShow.running);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 50000u);  // the menu is drawn again at once
}

TEST_F(Screensaver, SlidesChangeEveryScrDurationSeconds) {
  dir_.Write("slides/a.png", "p");
  dir_.Write("slides/sub/b.jpg", "j");
  dir_.Write("slides/notes.txt", "t");
  gShell.settings.slideShowDir = dir_ / "slides";
  gShell.settings.scrDuration = 3;
  const std::string first = NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 5000);
  EXPECT_EQ(first, dir_ / "slides/a.png");  // subdirectories only when asked
  EXPECT_EQ(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 7999), "");
  EXPECT_EQ(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 8000), dir_ / "slides/a.png");
  gShell.settings.slideShowSousRep = true;
  EXPECT_EQ(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 10000), "");
  std::set<std::string> seen;
  for (std::uint32_t t = 11000; t < 11000 + 40 * 3000; t += 3000) seen.insert(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, t));
  EXPECT_EQ(seen, (std::set<std::string>{dir_ / "slides/a.png", dir_ / "slides/sub/b.jpg"}));

  // ScrDuration 0: a new slide at every frame.
  gShell.settings.scrDuration = 0;
  EXPECT_NE(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 200000), "");
  EXPECT_NE(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 200000), "");
}

// Clips in the slide show's folder are slides too; other files are not.
TEST_F(Screensaver, ClipsAreSlidesAsPicturesAre) {
  for (const char* f : {"slides/a.png", "slides/b.MKV", "slides/c.mp4", "slides/notes.txt", "slides/d.wav"})
    dir_.Write(f, "x");
  gShell.settings.slideShowDir = dir_ / "slides";
  gShell.settings.scrDuration = 1;
  std::set<std::string> seen;
  for (std::uint32_t t = 1000; t < 1000 + 60 * 1000; t += 1000) seen.insert(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, t));
  EXPECT_EQ(seen, (std::set<std::string>{dir_ / "slides/a.png", dir_ / "slides/b.MKV", dir_ / "slides/c.mp4"}));
}

TEST_F(Screensaver, NoPictureKeepsThePreviousSlideAndTheTickIsKeptAcrossShows) {
  gShell.settings.slideShowDir = dir_ / "empty";
  gShell.settings.scrDuration = 2;
  EXPECT_EQ(NextSlide(gShell.slideShow, gShell.settings, gCatalogue, 1000), "");
  EXPECT_EQ(gShell.slideShow.lastSlideTick, 1000u);
  // A second show soon after the first waits for the rest of the slide's time.
  EndSlideShow(gRender, gShell.slideShow);
  gShell.slideShow.running = true;
  EXPECT_FALSE(SlideDue(2500, gShell.slideShow.lastSlideTick, 2));
  EXPECT_TRUE(SlideDue(3000, gShell.slideShow.lastSlideTick, 2));
  EXPECT_TRUE(SlideDue(5, 0, 2));
  // Tick wrap-around.
  EXPECT_TRUE(SlideDue(1500, 0xFFFFFC00u, 2));
  EXPECT_FALSE(SlideDue(500, 0xFFFFFC00u, 2));
}

TEST_F(Screensaver, LowPowerWithoutDisplayDoesNothingHarmful) {
  ::unsetenv("DISPLAY");  // never blank the screen of whoever runs the tests
  gShell.settings.scrType = '3';
  gShell.settings.scrTimeOut = 1;
  FireTimer();
  EXPECT_FALSE(ScreensaverDeadline(gShell.screensaverTimer));
}

TEST_F(Screensaver, TheMonitorAskedToSleepIsLeftToTheScreenSaverUntilAKey) {
  ::unsetenv("DISPLAY");
  // On the dummy video driver, named: without a screen the console's driver would be tried,
  // and a menu that draws nowhere stops.
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_TRUE(platform::CreateMainWindow(true, 64, 48));
  ASSERT_FALSE(platform::ScreenSaverAllowed()) << "the video layer keeps it away by default";
  gShell.settings.scrType = '3';
  gShell.settings.scrTimeOut = 1;
  FireTimer();
  EXPECT_TRUE(platform::ScreenSaverAllowed());
  platform::WindowEvent key;
  key.type = platform::WindowEvent::Type::KeyDown;
  key.scancode = 81;  // Down
  OnKeyDown(gShell, gCatalogue, gRender, key);
  EXPECT_FALSE(platform::ScreenSaverAllowed());
  platform::DestroyMainWindow();
  platform::QuitVideo();
}

}  // namespace
