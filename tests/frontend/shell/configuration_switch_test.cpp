#include "frontend/shell/configuration_switch.h"

#include <gtest/gtest.h>

#include "platform/debug_log.h"
#include "shell_installation.h"

namespace {

using shelltest::Crlf;

class ConfigurationSwitch : public shelltest::ShellInstallation {};

TEST_F(ConfigurationSwitch, LoadsSettingsSortedListLastGameAndArmsTheScreensaver) {
  Start();
  ASSERT_EQ(SwitchConfiguration("shmup"), 1);
  EXPECT_EQ(gSettings.currentConfig, "shmup");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Gradius", "Raiden", "Xevious"}));
  EXPECT_EQ(Selected(), "raiden");
  EXPECT_TRUE(gScreensaverTimer.armed);
  EXPECT_EQ(gScreensaverTimer.due, 100000u + 30000u);
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=shmup"), std::string::npos);
}

TEST_F(ConfigurationSwitch, MenuKeepsFileOrderAndIsNeverRememberedAsLastEmu) {
  Start();
  ASSERT_EQ(SwitchConfiguration("menu"), 1);
  EXPECT_TRUE(gSettings.typeMenu);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Shoot'em up", "Arcade classics"}));
  EXPECT_EQ(Selected(), "shmup");  // LastGame "0" names nothing: first entry
  EXPECT_FALSE(gScreensaverTimer.armed);  // the menu has no ScrTimeOut
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=arcade"), std::string::npos);
}

TEST_F(ConfigurationSwitch, AMenuStartedAsTheFirstConfigurationKeepsFileOrderToo) {
  dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu=menu", "EmuBase=menu", "Transitions=NO"}));
  ASSERT_EQ(LoadConfiguration(""), 1);
  ASSERT_TRUE(gSettings.typeMenu);
  wire::LoadAndSortGameList();  // what the main window's creation does at start-up
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Shoot'em up", "Arcade classics"}));
}

TEST_F(ConfigurationSwitch, MusicRestartsOnlyForAnotherMusicPath) {
  Start();
  StartMusic(gSettings.musicFond, false, gSettings.musicVolume);
  const std::string arcadeMusic = gMusic.pathPlaying;
  ASSERT_FALSE(arcadeMusic.empty());
  ASSERT_EQ(SwitchConfiguration("shmup"), 1);  // the same path in other letter case
  EXPECT_EQ(gMusic.pathPlaying, arcadeMusic);
  ASSERT_EQ(SwitchConfiguration("menu"), 1);
  EXPECT_EQ(gMusic.pathPlaying, gSettings.musicFond);
  EXPECT_NE(gMusic.pathPlaying, arcadeMusic);
}

TEST_F(ConfigurationSwitch, OneMusicFolderSpeltDifferentlyKeepsPlaying) {
  dir.Write("Music/a.mp3", "x");
  const std::pair<const char*, const char*> spellings[] = {
      {"arcade", ".\\Music"}, {"shmup", "music/"}, {"other", "MUSIC"}, {"again", "./music/./"}};
  for (const auto& [config, music] : spellings)
    dir.Write(std::string("config/") + config + "/config.ini",
              Crlf({"[Config]", "TemplateDir=Plain", "FichierDescription=lists/shmup.txt",
                    std::string("MusicFond=") + music}));
  Start();
  StartMusic(gSettings.musicFond, false, gSettings.musicVolume);
  const std::string playing = gMusic.pathPlaying;
  for (const char* config : {"shmup", "other", "again"}) {
    ASSERT_EQ(SwitchConfiguration(config), 1);
    EXPECT_EQ(gMusic.pathPlaying, playing) << config << ": the music started again";
  }
}

TEST_F(ConfigurationSwitch, FailedSwitchLeavesEverythingAsItWas) {
  Start();
  gSettings.emuBase.clear();  // no base configuration to fall back on
  MoveDown();
  MoveDown();
  const Settings settingsBefore = gSettings;
  const std::vector<std::string> titlesBefore = Titles();
  const ListWindow windowBefore = gListWindow;
  const std::string iniBefore = Ini("config/Orvanel.ini");

  EXPECT_EQ(SwitchConfiguration("nosuch"), 0);
  EXPECT_EQ(gSettings.currentConfig, "arcade");
  EXPECT_EQ(gSettings.templateDir, settingsBefore.templateDir);
  EXPECT_EQ(gSettings.fichierDescription, settingsBefore.fichierDescription);
  EXPECT_EQ(Titles(), titlesBefore);
  EXPECT_EQ(gListWindow.topIndex, windowBefore.topIndex);
  EXPECT_EQ(gListWindow.row, windowBefore.row);
  EXPECT_EQ(gLayout.listNbItems, 9);
  EXPECT_EQ(Ini("config/Orvanel.ini"), iniBefore);
  EXPECT_TRUE(gScreensaverTimer.armed);  // counting again from the failed switch
  EXPECT_EQ(gScreensaverTimer.due, 100000u + 60000u);
}

TEST_F(ConfigurationSwitch, MissingTemplateGoesBackToThePreviousConfigurationAndWritesNothing) {
  const std::string broken = Crlf({"[Config]", "TemplateDir=Nowhere", "FichierDescription=lists/broken.txt",
                                   "LastGame=xevious"});
  dir.Write("config/broken/config.ini", broken);
  dir.Write("lists/broken.txt", dir.Read("lists/shmup.txt"));
  platform::SetLogDirectory(dir.path());
  Start();
  // From a menu (never remembered as LastEmu) to a configuration whose template is missing.
  ASSERT_EQ(SwitchConfiguration("menu"), 1);
  MoveDown();
  const std::string mainBefore = Ini("config/Orvanel.ini");
  SwitchConfiguration("broken");
  EXPECT_EQ(gSettings.currentConfig, "menu");
  EXPECT_EQ(gSettings.templateDir, "Plain");
  EXPECT_EQ(gLayout.listNbItems, 9);
  EXPECT_EQ(Titles().front(), "Shoot'em up");
  // The old list's selection never reaches the new configuration, and LastEmu is back.
  EXPECT_EQ(Ini("config/broken/config.ini"), broken);
  EXPECT_EQ(Ini("config/Orvanel.ini"), mainBefore);
  EXPECT_EQ(Ini("Orvanel.sta").find("[broken]"), std::string::npos);
  EXPECT_NE(Ini("debug.txt").find("retour a la configuration menu"), std::string::npos);
  platform::SetLogDirectory(".");
}

TEST_F(ConfigurationSwitch, OpeningTransitionEndsEvenWhenNothingCanBeDrawn) {
  dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu=arcade", "Transitions=YES"}));
  Start();
  ASSERT_EQ(SwitchConfiguration("shmup"), 1);
  EXPECT_EQ(gFrameClocks.fadeLevel, 1.0f);
  EXPECT_EQ(gFrameClocks.fadeDelta, 0.0f);
}

}  // namespace
