// The General page's record: config/Orvanel.ini read as the frontend reads it, written
// back with every line the page does not own.
#include <gtest/gtest.h>

#include "configurator/pagemodel/edited_settings.h"
#include "configurator/pagemodel/installation.h"
#include "configurator/pagemodel/page_values.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "platform/profile.h"
#include "settings/read_settings.h"
#include "settings/setting_fields.h"
#include "settings/write_settings.h"
#include "temp_dir.h"

using shell::LoadConfiguration;
using shell::gShell;

namespace {

using settings::SettingId;

class GeneralSettingsTest : public ::testing::Test {
 protected:
  TempDir dir;
  cfg::EditedSettings page{cfg::kGeneralPageKeys};
  std::string Path() const { return cfg::MainSettingsFile(dir.path()); }
  bool SameAsFile(const Settings& s) const {
    return settings::SameSettings(settings::LoadWrittenSettings(Path(), settings::SettingFile::Main), s,
                                  cfg::kGeneralPageKeys.ids);
  }
};

TEST_F(GeneralSettingsTest, ReadsWhatTheFrontendReads) {
  const struct {
    std::string text;
    bool windowed;
    int width;
    std::string emuBase;
  } cases[] = {
      {"", false, 640, ""},  // no EmuBase: the frontend's empty default, never "."
      {"[general]\r\nmodefenetre=YES\r\nlargfen=1024\r\n", true, 1024, ""},
      {"[General]\nModeFenetre=yes\nEmuBase=Mame\n", false, 640, "Mame"},
      {"[General]\nModeFenetre=OUI\nLargFen= 800x\nEmuBase=\"Mame\"\n", true, 800, "Mame"},
  };
  for (const auto& c : cases) {
    Settings s;
    settings::ReadWrittenSettings(platform::ProfileFile::Parse(c.text), settings::SettingFile::Main, s);
    EXPECT_EQ(s.modeFenetre, c.windowed) << c.text;
    EXPECT_EQ(s.largFen, c.width) << c.text;
    EXPECT_EQ(s.emuBase, c.emuBase) << c.text;
  }
  const Settings missing = settings::LoadWrittenSettings(dir / "config/Orvanel.ini", settings::SettingFile::Main);
  EXPECT_TRUE(settings::SameSettings(missing, Settings{}, cfg::kGeneralPageKeys.ids));
  EXPECT_EQ(missing.keys.down, 672);
  EXPECT_EQ(missing.keys.menuGen, 999);
  EXPECT_TRUE(missing.transitions);
}

TEST_F(GeneralSettingsTest, ModifiedTestComparesThePageFieldsOnly) {
  Settings read;
  settings::ReadWrittenSettings(platform::ProfileFile::Parse("[General]\nEmuBase=Mame\nLastEmu=x\n"),
                                settings::SettingFile::Main, read);
  page.Load(read);
  page.value.emuBase = "MAME";
  page.value.lastEmu = "other";
  EXPECT_FALSE(page.IsModified());
  page.value.keys.right = 4;
  EXPECT_TRUE(page.IsModified());
  page.Load(read);
  page.value.modeSortie = 2;
  EXPECT_TRUE(page.IsModified());
}

TEST_F(GeneralSettingsTest, SavingKeepsEveryLineThePageDoesNotOwn) {
  dir.Write("config/Orvanel.ini",
            "; cabinet of the club\r\n[General]\r\nLastEmu=Mame\r\nEmuBase=Mame\r\nLargFen=800\r\n"
            "ModeSortie=2\r\nAppSortie=/usr/bin/shutdown-script\r\nMyOwnKey=42\r\n\r\n"
            "[Touches]\r\nVolumeDownKey=64\r\nDownKey=672\r\n\r\n[Extra]\r\nA=1\r\n");
  page.LoadFile(Path());
  EXPECT_EQ(page.value.modeSortie, 2);
  page.value.largFen = 1280;
  page.value.keys.volumeDown = 12;  // in its place
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_FALSE(page.IsModified());

  const std::string text = dir.Read("config/Orvanel.ini");
  for (const char* kept : {"; cabinet of the club\r\n", "AppSortie=/usr/bin/shutdown-script\r\n",
                           "MyOwnKey=42\r\n", "ModeSortie=2\r\n", "LastEmu=Mame\r\n", "[Extra]\r\nA=1\r\n",
                           "LargFen=1280\r\n", "[Touches]\r\nVolumeDownKey=12\r\nDownKey=672\r\n",
                           "UpKey=656\r\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
  EXPECT_TRUE(SameAsFile(page.value));
}

TEST_F(GeneralSettingsTest, EmptyValuesRemoveTheirKeysAndAFailedSaveSaysSo) {
  dir.Write("config/Orvanel.ini", "[General]\r\nEmuBase=Gone\r\nEmuBase=Twice\r\n");
  page.LoadFile(Path());
  page.value.emuBase.clear();
  ASSERT_TRUE(page.Save(Path()));
  const std::string text = dir.Read("config/Orvanel.ini");
  EXPECT_EQ(text.find("EmuBase"), std::string::npos) << text;
  page.value.largFen = 1;
  EXPECT_FALSE(page.Save(dir / "missing/dir/Orvanel.ini"));
  EXPECT_TRUE(page.IsModified());
}

// The page has no control for LastEmu: the configuration the frontend chose while the page
// was open stays the one the cabinet starts with.
TEST_F(GeneralSettingsTest, ASaveKeepsTheConfigurationTheFrontendChose) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\nLargFen=800\r\n");
  page.LoadFile(Path());
  ASSERT_TRUE(settings::WriteSetting(Path(), SettingId::LastEmu, "Neo"));  // the frontend, meanwhile
  page.value.largFen = 1024;
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_EQ(dir.Read("config/Orvanel.ini"), "[General]\r\nLastEmu=Neo\r\nLargFen=1024\r\n"
                                            "HautFen=480\r\nModeFenetre=NO\r\nTransitions=YES\r\n"
                                            "ModeSortie=0\r\nSortieJeuDelai=2000\r\nMemoireImages=128\r\nHauteurRendu=1080\r\n\r\n[Touches]\r\nDownKey=672\r\n"
                                            "UpKey=656\r\nLeftKey=662\r\nRightKey=666\r\n"
                                            "LaunchGameKey=4\r\nRandomGameKey=6\r\nMenuKey=58\r\n"
                                            "MenuGenKey=999\r\nInfosKey=114\r\nVolumeUPKey=68\r\n"
                                            "VolumeDownKey=64\r\nNextZicKey=38\r\nQuitKey=2\r\n"
                                            "RotateKey=60\r\nJeuxFavoris=62\r\nRechercheKey=106\r\n");
}

// A new base configuration saved on the page is where the next start opens: the menu starts on
// LastEmu, which would otherwise keep it on the configuration it last showed.
TEST_F(GeneralSettingsTest, ANewBaseConfigurationIsWhereTheNextStartOpens) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Demo\r\nEmuBase=Demo\r\n");
  for (const char* name : {"Demo", "MAME"}) dir.Write(std::string("config/") + name + "/config.ini", "[Config]\r\n");
  page.LoadFile(Path());
  page.value.emuBase = "MAME";
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_EQ(platform::ReadProfileString(Path(), "General", "LastEmu", ""), "MAME");
  EXPECT_FALSE(page.IsModified());
  page.value.emuBase = "";  // no base: the start keeps to LastEmu
  ASSERT_TRUE(page.Save(Path()));
  EXPECT_EQ(platform::ReadProfileString(Path(), "General", "LastEmu", ""), "MAME");
  page.value.emuBase = "MAME";
  ASSERT_TRUE(page.Save(Path()));

  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.currentConfig, "MAME");
  gShell = {};
}

TEST_F(GeneralSettingsTest, ExitModeFollowsTheCheckBoxOnlyWhenItChanges) {
  const struct {
    int current;
    bool checked;
    int expected;
  } cases[] = {{0, true, 1}, {1, false, 0}, {2, false, 2}, {2, true, 1}, {5, false, 5}};
  for (const auto& c : cases)
    EXPECT_EQ(cfg::ExitModeFromCheckBox(c.current, c.checked), c.expected) << c.current << c.checked;
}

TEST_F(GeneralSettingsTest, TheFrontendLoadsWhatThePageSaves) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\nModeSortie=2\r\nAppSortie=halt\r\n");
  dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=T\r\n");
  page.LoadFile(Path());
  page.value.largFen = 1024;
  page.value.hautFen = 768;
  page.value.modeFenetre = true;
  page.value.transitions = false;
  int next = 100;  // the keys in the page's (the file's table) order
  for (SettingId id : cfg::kGeneralPageKeys.ids)
    if (settings::Key(id).type == settings::SettingType::Key)
      settings::SetFieldText(page.value, settings::Key(id), std::to_string(next++));
  ASSERT_TRUE(page.Save(Path()));

  gShell.settings = {};
  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  EXPECT_EQ(gShell.settings.largFen, 1024);
  EXPECT_EQ(gShell.settings.hautFen, 768);
  EXPECT_TRUE(gShell.settings.modeFenetre);
  EXPECT_FALSE(gShell.settings.transitions);
  EXPECT_EQ(gShell.settings.modeSortie, 2);
  EXPECT_EQ(gShell.settings.appSortie, "halt");
  const KeySettings& k = gShell.settings.keys;
  const int inFileOrder[] = {k.down, k.up, k.left, k.right, k.launchGame, k.randomGame, k.menu, k.menuGen,
                             k.infos, k.volumeUp, k.volumeDown, k.nextMusic, k.quit, k.rotate, k.favourites, k.search};
  for (std::size_t i = 0; i < std::size(inFileOrder); ++i) EXPECT_EQ(inFileOrder[i], int(100 + i)) << i;
  gShell.settings = {};
  gShell = {};
}

}  // namespace
