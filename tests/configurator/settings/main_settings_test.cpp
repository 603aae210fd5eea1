#include "configurator/settings/main_settings.h"

#include <gtest/gtest.h>

#include "configurator/settings/installation.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "temp_dir.h"

namespace {

class MainSettingsTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string Path() const { return cfg::MainSettingsFile(dir.path()); }
};

TEST_F(MainSettingsTest, ReadsWhatTheFrontendReads) {
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
    const cfg::MainSettings s = cfg::ReadMainSettings(platform::ProfileFile::Parse(c.text));
    EXPECT_EQ(s.modeFenetre, c.windowed) << c.text;
    EXPECT_EQ(s.largFen, c.width) << c.text;
    EXPECT_EQ(s.emuBase, c.emuBase) << c.text;
  }
  const cfg::MainSettings missing = cfg::LoadMainSettings(dir / "config/Orvanel.ini");
  EXPECT_EQ(missing.keys, cfg::DefaultKeyCodes());
  EXPECT_EQ(missing.keys[0], 672);
  EXPECT_EQ(missing.keys[7], 999);
  EXPECT_TRUE(missing.transitions);
}

TEST_F(MainSettingsTest, ModifiedTestComparesThePageFieldsOnly) {
  const cfg::MainSettings read = cfg::ReadMainSettings(
      platform::ProfileFile::Parse("[General]\nEmuBase=Mame\nLastEmu=x\n"));
  cfg::MainSettings s = read;
  s.emuBase = "MAME";
  s.lastEmu = "other";
  EXPECT_TRUE(s == read);
  s.keys[3] = 4;
  EXPECT_FALSE(s == read);
  s = read;
  s.modeSortie = 2;
  EXPECT_FALSE(s == read);
}

TEST_F(MainSettingsTest, SavingKeepsEveryLineThePageDoesNotOwn) {
  dir.Write("config/Orvanel.ini",
            "; cabinet of the club\r\n[General]\r\nLastEmu=Mame\r\nEmuBase=Mame\r\nLargFen=800\r\n"
            "ModeSortie=2\r\nAppSortie=/usr/bin/shutdown-script\r\nMyOwnKey=42\r\n\r\n"
            "[Touches]\r\nVolumeDownKey=64\r\nDownKey=672\r\n\r\n[Extra]\r\nA=1\r\n");
  cfg::MainSettings s = cfg::LoadMainSettings(Path());
  EXPECT_EQ(s.modeSortie, 2);
  s.largFen = 1280;
  s.keys[10] = 12;  // VolumeDownKey, in its place
  ASSERT_TRUE(cfg::SaveMainSettings(Path(), s));

  const std::string text = dir.Read("config/Orvanel.ini");
  for (const char* kept : {"; cabinet of the club\r\n", "AppSortie=/usr/bin/shutdown-script\r\n",
                           "MyOwnKey=42\r\n", "ModeSortie=2\r\n", "LastEmu=Mame\r\n", "[Extra]\r\nA=1\r\n",
                           "LargFen=1280\r\n", "[Touches]\r\nVolumeDownKey=12\r\nDownKey=672\r\n",
                           "UpKey=656\r\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
  EXPECT_EQ(cfg::LoadMainSettings(Path()), s);
}

TEST_F(MainSettingsTest, EmptyValuesRemoveTheirKeysAndAFailedSaveSaysSo) {
  dir.Write("config/Orvanel.ini", "[General]\r\nEmuBase=Gone\r\nEmuBase=Twice\r\nLastEmu=\r\n");
  cfg::MainSettings s = cfg::LoadMainSettings(Path());
  s.emuBase.clear();
  ASSERT_TRUE(cfg::SaveMainSettings(Path(), s));
  const std::string text = dir.Read("config/Orvanel.ini");
  EXPECT_EQ(text.find("EmuBase"), std::string::npos) << text;
  EXPECT_EQ(text.find("LastEmu"), std::string::npos) << text;
  EXPECT_FALSE(cfg::SaveMainSettings(dir / "missing/dir/Orvanel.ini", s));
}

TEST_F(MainSettingsTest, ExitModeFollowsTheCheckBoxOnlyWhenItChanges) {
  const struct {
    int current;
    bool checked;
    int expected;
  } cases[] = {{0, true, 1}, {1, false, 0}, {2, false, 2}, {2, true, 1}, {5, false, 5}};
  for (const auto& c : cases)
    EXPECT_EQ(cfg::ExitModeFromCheckBox(c.current, c.checked), c.expected) << c.current << c.checked;
}

TEST_F(MainSettingsTest, TheFrontendLoadsWhatThePageSaves) {
  dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Mame\r\nModeSortie=2\r\nAppSortie=halt\r\n");
  dir.Write("config/Mame/config.ini", "[Config]\r\nTemplateDir=T\r\n");
  cfg::MainSettings s = cfg::LoadMainSettings(Path());
  s.largFen = 1024;
  s.hautFen = 768;
  s.modeFenetre = true;
  s.transitions = false;
  for (std::size_t i = 0; i < cfg::kKeyCount; ++i) s.keys[i] = int(100 + i);
  ASSERT_TRUE(cfg::SaveMainSettings(Path(), s));

  gSettings = {};
  gShell = {};
  gShell.baseDirectory = dir.path();
  platform::SetLogDirectory(dir.path());
  ASSERT_EQ(LoadConfiguration(""), 1);
  EXPECT_EQ(gSettings.largFen, 1024);
  EXPECT_EQ(gSettings.hautFen, 768);
  EXPECT_TRUE(gSettings.modeFenetre);
  EXPECT_FALSE(gSettings.transitions);
  EXPECT_EQ(gSettings.modeSortie, 2);
  EXPECT_EQ(gSettings.appSortie, "halt");
  const KeySettings& k = gSettings.keys;
  const int inFileOrder[] = {k.down, k.up, k.left, k.right, k.launchGame, k.randomGame, k.menu, k.menuGen,
                             k.infos, k.volumeUp, k.volumeDown, k.nextMusic, k.quit, k.rotate, k.favourites};
  for (std::size_t i = 0; i < cfg::kKeyCount; ++i) EXPECT_EQ(inFileOrder[i], int(100 + i)) << i;
  gSettings = {};
  gShell = {};
}

}  // namespace
