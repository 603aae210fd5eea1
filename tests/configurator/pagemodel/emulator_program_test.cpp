// The emulator program crosses from the configurator's chooser to the frontend's launch and
// the list generator: all three must mean the same program.
#include <gtest/gtest.h>


#include "configurator/pagemodel/edited_settings.h"
#include "configurator/pagemodel/installation.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/process.h"
#include "settings/emulator_program.h"
#include "temp_dir.h"

using shell::EmulatorPath;
using shell::LoadConfiguration;
using shell::gShell;

namespace {

TEST(EmulatorProgram, ChooserLaunchAndGeneratorAgree) {
  TempDir dir;
  const std::string base = dir.path();
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\n");
  dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=T\r\n");
  const struct {
    std::string chosen;  // the file picked in the dialog, or a typed bare name
    std::string stored;  // EmuExe
    bool inPath;         // found through PATH
  } cases[] = {
      {dir.Write("demo_emulator", ""), ".\\demo_emulator", false},
      {dir.Write("emu/mame", ""), "emu/mame", false},
      {"/bin/sh", "/bin/sh", false},
      {"sh", "sh", true},
  };
  for (const auto& c : cases) {
    const bool typed = c.chosen.find('/') == std::string::npos;
    const std::string stored = typed ? c.chosen : settings::StoredEmulatorPath(base, c.chosen);
    EXPECT_EQ(stored, c.stored);
    cfg::EditedSettings page(cfg::kEmusPageKeys);
    page.LoadFile(cfg::ConfigurationFile(base, "Mame"));
    page.value.emuExe = stored;
    ASSERT_TRUE(page.Save(cfg::ConfigurationFile(base, "Mame")));

    gShell.settings = {};
    gShell = {};
    gShell.baseDirectory = base;
    platform::SetLogDirectory(base);
    ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
    const std::string launched = EmulatorPath(gShell.settings);
    EXPECT_EQ(launched, settings::EmulatorProgramPath(base, stored)) << stored;
    if (c.inPath) {
      EXPECT_EQ(launched, c.chosen);
      EXPECT_FALSE(platform::FindProgram(launched).empty());
    } else {
      EXPECT_EQ(launched, c.chosen) << "the program chosen is the one launched";
      EXPECT_TRUE(platform::FileExists(launched)) << launched;
    }
  }
  gShell.settings = {};
  gShell = {};
}

}  // namespace
