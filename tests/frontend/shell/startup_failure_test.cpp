// A start-up that stops before the list is shown must not touch what the player left.
#include "frontend/shell/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "frontend/shell/display_handover.h"
#include "platform/debug_log.h"
#include "platform/window.h"
#include "shell_installation.h"

using shell::RunFrontendIn;
using shell::TakeBackWholeDisplay;
using shell::gShell;
using shell::kRunStopped;

namespace {

using shelltest::Crlf;

class StartupFailure : public shelltest::ShellInstallation {
 protected:
  // A window must open, so the start-up gets as far as the template: without a display SDL
  // would try every video back end (and leave the ones it unloads as leaks).
  void SetUp() override {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ShellInstallation::SetUp();
  }
  void TearDown() override {
    platform::SetLogDirectory(".");
    ShellInstallation::TearDown();
    ::unsetenv("SDL_VIDEODRIVER");
  }
};

TEST_F(StartupFailure, AnUnreadableTemplateLeavesLastGameAsItWas) {
  dir.Write("config/arcade/config.ini",
            Crlf({"[Config]", "TemplateDir=Nowhere", "FichierDescription=lists/arcade.txt", "LastGame=pacman",
                  "ListeFavoris=NO"}));
  const std::string before = Ini("config/arcade/config.ini");
  RunFrontendIn(dir.path());
  EXPECT_NE(Ini("debug.txt").find("=== Fin ==="), std::string::npos);  // it did stop
  EXPECT_EQ(Ini("config/arcade/config.ini"), before);
}

// Every way the menu has to stop ends with status 1, so a kiosk unit starts it again (the
// owner's quit ends with 0: the whole-program close tests).
TEST_F(StartupFailure, EveryStopForAFailureEndsWithStatusOne) {
  const struct {
    const char* what;
    const char* removed;  // from the installation
  } cases[] = {
      {"no settings", "config/arcade/config.ini"},  // neither LastEmu nor EmuBase is there
      {"no layout", "Templates/Plain/Layout.cfg"},
  };
  for (const auto& c : cases) {
    ResetRecords();
    SetUp();
    std::filesystem::remove(dir / c.removed);
    EXPECT_EQ(RunFrontendIn(dir.path()), 1) << c.what;
  }
  // The window cannot be made again after a game that had the whole display.
  ResetRecords();
  Settings s;
  s.modeFenetre = true;
  s.largFen = 0;  // no window of that size: every attempt fails at once
  EXPECT_FALSE(TakeBackWholeDisplay(gShell, s));
  EXPECT_EQ(gShell.exitStatus, 1);
  EXPECT_EQ(gShell.runState, kRunStopped);
  platform::QuitVideo();
}

}  // namespace
