#include "configurator/settings/emulator_settings.h"

#include <gtest/gtest.h>

#include "configurator/settings/installation.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "temp_dir.h"

namespace {

class EmulatorSettingsTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string Path() const { return cfg::ConfigurationFile(dir.path(), "Mame"); }
  std::string Text() const { return dir.Read("config/Mame/config.ini"); }
  bool Has(const std::string& line) const { return Text().find(line + "\r\n") != std::string::npos; }
};

TEST_F(EmulatorSettingsTest, AbsentKeysTakeTheFrontendsDefaults) {
  const cfg::EmulatorSettings s = cfg::LoadEmulatorSettings(dir / "config/none/config.ini");
  EXPECT_TRUE(s.cacherFenetre);
  EXPECT_EQ(s.scrTimeOut, 0);
  EXPECT_EQ(s.scrDuration, 0);
  EXPECT_TRUE(s.sons);
  EXPECT_TRUE(s.guillemets);
  EXPECT_EQ(s.musicVolume, 300);
  EXPECT_EQ(s.scrType, 0);

  // Saving an unrelated change keeps the frontend's behaviour for the absent keys.
  dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=Etoiles\r\n");
  cfg::EmulatorSettings edited = cfg::LoadEmulatorSettings(Path());
  edited.romDir = "roms";
  ASSERT_TRUE(cfg::SaveEmulatorSettings(Path(), edited));
  for (const char* line : {"CacherFenetre=YES", "ScrTimeOut=0", "ScrDuration=0", "RomDir=roms"})
    EXPECT_TRUE(Has(line)) << line << "\n" << Text();
}

TEST_F(EmulatorSettingsTest, SavingOneFieldKeepsEverythingElse) {
  dir.Write("config/Mame/config.ini",
            "[Config]\r\nTemplateDir=Removed Template\r\nMenu=GoneMenu\r\nLastGame=pacman\r\n"
            "ListeFavoris=YES\r\nCustom3Dir=media\\flyers\r\nScrType=3\r\nMyNote=keep me\r\n"
            "Rotation=2\r\n\r\n[Other]\r\nX=1\r\n");
  cfg::EmulatorSettings s = cfg::LoadEmulatorSettings(Path());
  EXPECT_EQ(s.customDirs[2], "media\\flyers");  // the frontend's key, when RepCustom3 is absent
  EXPECT_EQ(s.scrType, 3);
  EXPECT_EQ(s.rotation, 2);
  s.emuExe = "emulators/mame";
  ASSERT_TRUE(cfg::SaveEmulatorSettings(Path(), s));
  for (const char* line : {"TemplateDir=Removed Template", "Menu=GoneMenu", "LastGame=pacman",
                           "ListeFavoris=YES", "Custom3Dir=media\\flyers", "RepCustom3=media\\flyers",
                           "ScrType=3", "MyNote=keep me", "Rotation=2", "EmuExe=emulators/mame", "X=1"})
    EXPECT_TRUE(Has(line)) << line << "\n" << Text();
  EXPECT_EQ(cfg::LoadEmulatorSettings(Path()), s);
}

TEST_F(EmulatorSettingsTest, CustomFoldersPreferThePagesKeyAndEmptyFieldsLeaveNoLine) {
  dir.Write("config/Mame/config.ini",
            "[Config]\r\nRepCustom1=mine\r\nCustom1Dir=theirs\r\nRomsExt=zip\r\nMenu=Menu\r\n");
  cfg::EmulatorSettings s = cfg::LoadEmulatorSettings(Path());
  EXPECT_EQ(s.customDirs[0], "mine");
  s.romsExt.clear();
  s.menu.clear();  // "=== PAS DE MENU ==="
  s.customDirs[1] = "cabinets";
  ASSERT_TRUE(cfg::SaveEmulatorSettings(Path(), s));
  EXPECT_TRUE(Has("Custom1Dir=mine"));
  EXPECT_TRUE(Has("Custom2Dir=cabinets"));
  EXPECT_TRUE(Has("RepCustom2=cabinets"));
  EXPECT_EQ(Text().find("RomsExt"), std::string::npos) << Text();
  EXPECT_EQ(Text().find("\nMenu="), std::string::npos) << Text();
  EXPECT_EQ(Text().find("Custom4Dir"), std::string::npos) << Text();

  s.romsExt = std::string(60, 'e');
  ASSERT_TRUE(cfg::SaveEmulatorSettings(Path(), s));
  EXPECT_TRUE(Has("RomsExt=" + std::string(49, 'e')));
}

TEST_F(EmulatorSettingsTest, RotationInQuarterTurns) {
  const struct {
    std::string value;
    int read;
  } reads[] = {{"2", 2}, {"7", 0}, {"-1", 0}, {"3", 3}, {"", 0}};
  for (const auto& r : reads)
    EXPECT_EQ(cfg::ReadEmulatorSettings(platform::ProfileFile::Parse("[Config]\nRotation=" + r.value)).rotation,
              r.read)
        << r.value;
  const struct {
    int from;
    bool up;
    int to;
  } steps[] = {{2, true, 1}, {0, true, 3}, {3, false, 0}, {1, false, 2}};
  for (const auto& s : steps) EXPECT_EQ(cfg::StepRotation(s.from, s.up), s.to) << s.from << s.up;
  EXPECT_EQ(cfg::RotationText(2), "180\xC2\xB0");
  EXPECT_EQ(cfg::RotationText(0), "0\xC2\xB0");
}

TEST_F(EmulatorSettingsTest, ModifiedTestIgnoresLetterCaseOfNamesAndPaths) {
  cfg::EmulatorSettings a;
  a.romDir = "Roms";
  a.templateDir = "Etoiles";
  cfg::EmulatorSettings b = a;
  b.romDir = "ROMS";
  b.templateDir = "etoiles";
  EXPECT_TRUE(a == b);
  b.scrType = 3;
  EXPECT_FALSE(a == b);
  b = a;
  b.customDirs[5] = "x";
  EXPECT_FALSE(a == b);
}

TEST_F(EmulatorSettingsTest, TheFrontendLoadsWhatThePageSaves) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\n");
  dir.Write("config/Mame/config.ini", "");
  cfg::EmulatorSettings s;
  s.templateDir = "Etoiles";
  s.emuExe = "emu\\mame";
  s.romDir = "roms";
  s.romsExt = "zip";
  s.snapDir = "snap";
  s.customDirs[3] = "flyers";
  s.fichierDescription = "lists\\mame.txt";
  s.scrType = 2;
  s.scrTimeOut = 45;
  s.scrDuration = 9;
  s.musicVolume = 700;
  s.sons = false;
  s.rotation = 3;
  s.cacherFenetre = false;
  s.menu = "Menu";
  ASSERT_TRUE(cfg::SaveEmulatorSettings(Path(), s));

  gSettings = {};
  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(""), 1);
  EXPECT_EQ(gSettings.templateDir, "Etoiles");
  EXPECT_EQ(gSettings.emuProgram, "mame");
  EXPECT_EQ(gSettings.romDir, dir.path() + "/roms");
  EXPECT_EQ(gSettings.romsExt, "zip");
  EXPECT_EQ(gSettings.customDir[3], dir.path() + "/flyers");
  EXPECT_EQ(gSettings.scrType, '2');
  EXPECT_EQ(gSettings.scrTimeOut, 45);
  EXPECT_EQ(gSettings.scrDuration, 9);
  EXPECT_EQ(gSettings.musicVolume, 700);
  EXPECT_FALSE(gSettings.sons);
  EXPECT_EQ(gSettings.rotation, 3);
  EXPECT_FALSE(gSettings.cacherFenetre);
  EXPECT_EQ(gSettings.menu, "Menu");
  gSettings = {};
  gShell = {};
}

}  // namespace
