// A start-up that stops before the list is shown must not touch what the player left.
#include "frontend/shell/startup.h"

#include <gtest/gtest.h>

#include "platform/debug_log.h"
#include "shell_installation.h"

namespace {

using shelltest::Crlf;

class StartupFailure : public shelltest::ShellInstallation {
 protected:
  void TearDown() override {
    platform::SetLogDirectory(".");
    ShellInstallation::TearDown();
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
