// A start-up that stops before the list is shown must not touch what the player left.
#include "frontend/shell/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/debug_log.h"
#include "shell_installation.h"

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

}  // namespace
