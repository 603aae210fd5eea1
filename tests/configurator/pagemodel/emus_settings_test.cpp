// The Emus page's record: config/<name>/config.ini read as written, saved with every line
// the page does not own, and read back by the frontend.
#include <gtest/gtest.h>

#include "configurator/pagemodel/edited_settings.h"
#include "configurator/pagemodel/installation.h"
#include "configurator/pagemodel/page_values.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "settings/read_settings.h"
#include "temp_dir.h"

using shell::LoadConfiguration;
using shell::gShell;

namespace {

class EmusSettingsTest : public ::testing::Test {
 protected:
  TempDir dir;
  cfg::EditedSettings page{cfg::kEmusPageKeys};
  std::string Path() const { return cfg::ConfigurationFile(dir.path(), "Mame"); }
  std::string Text() const { return dir.Read("config/Mame/config.ini"); }
  bool Has(const std::string& line) const { return Text().find(line + "\r\n") != std::string::npos; }
};

TEST_F(EmusSettingsTest, AbsentKeysTakeTheFrontendsDefaults) {
  page.LoadFile(dir / "config/none/config.ini");
  const Settings& s = page.value;
  EXPECT_TRUE(s.cacherFenetre);
  EXPECT_EQ(s.scrTimeOut, 0);
  EXPECT_EQ(s.scrDuration, 0);
  EXPECT_TRUE(s.sons);
  EXPECT_TRUE(s.guillemets);
  EXPECT_EQ(s.musicVolume, 300);
  EXPECT_EQ(s.scrType, '0');

  // Saving an unrelated change keeps the frontend's behaviour for the absent keys.
  dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=Etoiles\r\n");
  page.LoadFile(Path());
  page.value.romDir = "roms";
  ASSERT_TRUE(page.Save(Path()));
  for (const char* line : {"CacherFenetre=YES", "ScrTimeOut=0", "ScrDuration=0", "RomDir=roms"})
    EXPECT_TRUE(Has(line)) << line << "\n" << Text();
}

TEST_F(EmusSettingsTest, SavingOneFieldKeepsEverythingElse) {
  dir.Write("config/Mame/config.ini",
            "[Config]\r\nTemplateDir=Removed Template\r\nMenu=GoneMenu\r\nLastGame=pacman\r\n"
            "ListeFavoris=YES\r\nCustom3Dir=media\\flyers\r\nScrType=3\r\nMyNote=keep me\r\n"
            "Rotation=2\r\n\r\n[Other]\r\nX=1\r\n");
  page.LoadFile(Path());
  EXPECT_EQ(page.value.customDir[2], "media\\flyers");  // the frontend's key, when RepCustom3 is absent
  EXPECT_EQ(page.value.scrType, '3');
  EXPECT_EQ(page.value.rotation, 2);
  page.value.emuExe = "emulators/mame";
  ASSERT_TRUE(page.Save(Path()));
  for (const char* line : {"TemplateDir=Removed Template", "Menu=GoneMenu", "LastGame=pacman",
                           "ListeFavoris=YES", "Custom3Dir=media\\flyers",
                           "ScrType=3", "MyNote=keep me", "Rotation=2", "EmuExe=emulators/mame", "X=1"})
    EXPECT_TRUE(Has(line)) << line << "\n" << Text();
  EXPECT_EQ(Text().find("RepCustom3"), std::string::npos) << "an unchanged folder is not copied\n" << Text();
  const Settings saved = page.value;
  page.LoadFile(Path());
  page.snapshot = saved;
  EXPECT_FALSE(page.IsModified());
}

// A file holding both names of a custom folder with different values (an older
// configurator's, or CustomNDir edited by hand) keeps the frontend's folder through a save
// that did not touch it.
TEST_F(EmusSettingsTest, CustomFoldersPreferTheFrontendsKeyAndEmptyFieldsLeaveNoLine) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\n");
  dir.Write("config/Mame/config.ini",
            "[Config]\r\nTemplateDir=T\r\nRepCustom1=mine\r\nCustom1Dir=theirs\r\nRepCustom5=only\r\n"
            "RomsExt=zip\r\nMenu=Menu\r\n");
  page.LoadFile(Path());
  Settings& s = page.value;
  EXPECT_EQ(s.customDir[0], "theirs");
  EXPECT_EQ(s.customDir[4], "only");  // RepCustomN stands in when CustomNDir is absent
  s.musicVolume = 800;
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_TRUE(Has("Custom1Dir=theirs")) << Text();
  EXPECT_TRUE(Has("RepCustom1=mine")) << Text();
  gShell.settings = {};
  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.customDir[0], dir.path() + "/theirs");
  gShell.settings = {};
  gShell = {};

  s.customDir[0] = "picked";  // the owner's choice goes under both names
  s.romsExt.clear();
  s.menu.clear();  // "=== PAS DE MENU ==="
  s.customDir[1] = "cabinets";
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_TRUE(Has("Custom1Dir=picked"));
  EXPECT_TRUE(Has("RepCustom1=picked"));
  EXPECT_TRUE(Has("Custom2Dir=cabinets"));
  EXPECT_TRUE(Has("RepCustom2=cabinets"));
  EXPECT_EQ(Text().find("RomsExt"), std::string::npos) << Text();
  EXPECT_EQ(Text().find("\nMenu="), std::string::npos) << Text();
  EXPECT_EQ(Text().find("Custom4Dir"), std::string::npos) << Text();

  s.romsExt = std::string(60, 'e');
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_TRUE(Has("RomsExt=" + std::string(49, 'e')));
}

TEST_F(EmusSettingsTest, RotationInQuarterTurns) {
  const struct {
    std::string value;
    int read;
  } reads[] = {{"2", 2}, {"7", 0}, {"-1", 0}, {"3", 3}, {"", 0}};
  for (const auto& r : reads) {
    Settings s;
    settings::ReadWrittenSettings(platform::ProfileFile::Parse("[Config]\nRotation=" + r.value),
                                  settings::SettingFile::Configuration, s);
    EXPECT_EQ(s.rotation, r.read) << r.value;
  }
  const struct {
    int from;
    bool up;
    int to;
  } steps[] = {{2, true, 1}, {0, true, 3}, {3, false, 0}, {1, false, 2}, {7, true, 3}};
  for (const auto& s : steps) EXPECT_EQ(cfg::StepRotation(s.from, s.up), s.to) << s.from << s.up;
  EXPECT_EQ(cfg::RotationText(2), "180\xC2\xB0");
  EXPECT_EQ(cfg::RotationText(0), "0\xC2\xB0");
  EXPECT_EQ(cfg::RotationText(9), "0\xC2\xB0");
}

TEST_F(EmusSettingsTest, ModifiedTestIgnoresLetterCaseOfNamesAndPaths) {
  Settings a;
  a.romDir = "Roms";
  a.templateDir = "Etoiles";
  page.Load(a);
  page.value.romDir = "ROMS";
  page.value.templateDir = "etoiles";
  EXPECT_FALSE(page.IsModified());
  page.value.scrType = '3';
  EXPECT_TRUE(page.IsModified());
  page.Load(a);
  page.value.customDir[5] = "x";
  EXPECT_TRUE(page.IsModified());
  page.Load(a);
  page.value.utilExt = true;
  EXPECT_TRUE(page.IsModified());
}

TEST_F(EmusSettingsTest, TheFrontendLoadsWhatThePageSaves) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\n");
  dir.Write("config/Mame/config.ini", "");
  Settings& s = page.value;
  s.templateDir = "Etoiles";
  s.emuExe = "emu\\mame";
  s.romDir = "roms";
  s.romsExt = "zip";
  s.snapDir = "snap";
  s.customDir[3] = "flyers";
  s.fichierDescription = "lists\\mame.txt";
  s.scrType = '2';
  s.scrTimeOut = 45;
  s.scrDuration = 9;
  s.musicVolume = 700;
  s.sons = false;
  s.rotation = 3;
  s.cacherFenetre = false;
  s.menu = "Menu";
  ASSERT_TRUE(page.Save(Path()));

  gShell.settings = {};
  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.templateDir, "Etoiles");
  EXPECT_EQ(gShell.settings.emuProgram, "mame");
  EXPECT_EQ(gShell.settings.romDir, dir.path() + "/roms");
  EXPECT_EQ(gShell.settings.romsExt, "zip");
  EXPECT_EQ(gShell.settings.customDir[3], dir.path() + "/flyers");
  EXPECT_EQ(gShell.settings.scrType, '2');
  EXPECT_EQ(gShell.settings.scrTimeOut, 45);
  EXPECT_EQ(gShell.settings.scrDuration, 9);
  EXPECT_EQ(gShell.settings.musicVolume, 700);
  EXPECT_FALSE(gShell.settings.sons);
  EXPECT_EQ(gShell.settings.rotation, 3);
  EXPECT_FALSE(gShell.settings.cacherFenetre);
  EXPECT_EQ(gShell.settings.menu, "Menu");
  gShell.settings = {};
  gShell = {};
}

}  // namespace

namespace {

// "Enregistrer sous" writes a copy of the page's file with its values: nothing of what the
// chosen file held before survives, and both pages' copies equal a save in place.
TEST(SaveCopy, ReplacesTheChosenFileWithACopyOfThePagesOwn) {
  const struct {
    const cfg::PageKeys& keys;
    const char* current;  // nullptr: the page has no file yet
    const char* target;
  } cases[] = {
      {cfg::kEmusPageKeys, "[Config]\r\nLastGame=pacman\r\nRomDir=roms\r\nMine=1\r\n",
       "[Config]\r\nLastGame=other\r\nTheirs=2\r\n[Other]\r\nX=1\r\n"},
      {cfg::kGeneralPageKeys, "[General]\r\nLastEmu=Mame\r\nAppSortie=halt\r\n",
       "[General]\r\nLastEmu=Neo\r\nAppSortie=reboot\r\nModeSortie=2\r\n"},
      {cfg::kEmusPageKeys, nullptr, "[Config]\r\nLastGame=other\r\n"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string current = c.current ? dir.Write("current.ini", c.current) : std::string();
    const std::string target = dir.Write("target.ini", c.target);
    cfg::EditedSettings page(c.keys);
    page.LoadFile(current);
    page.value.largFen = 1024;
    page.value.romDir = "elsewhere";
    ASSERT_TRUE(page.SaveCopy(current, target));
    EXPECT_FALSE(page.IsModified());
    const std::string copy = dir.Read("target.ini");
    if (c.current) {
      ASSERT_TRUE(page.Save(current));
      EXPECT_EQ(copy, dir.Read("current.ini"));
    } else {
      EXPECT_EQ(copy.find("LastGame"), std::string::npos) << copy;
    }
  }
}

}  // namespace
