#include "frontend/shell/configuration_switch.h"

#include <gtest/gtest.h>

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

TEST_F(ConfigurationSwitch, MissingTemplateGoesBackToThePreviousConfiguration) {
  dir.Write("config/broken/config.ini",
            Crlf({"[Config]", "TemplateDir=Nowhere", "FichierDescription=lists/shmup.txt"}));
  Start();
  SwitchConfiguration("broken");
  EXPECT_EQ(gSettings.currentConfig, "arcade");
  EXPECT_EQ(gSettings.templateDir, "Plain");
  EXPECT_EQ(gLayout.listNbItems, 9);
  EXPECT_EQ(Titles().front(), "Asteroids");
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=arcade"), std::string::npos);
}

TEST_F(ConfigurationSwitch, OpeningTransitionEndsEvenWhenNothingCanBeDrawn) {
  dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu=arcade", "Transitions=YES"}));
  Start();
  ASSERT_EQ(SwitchConfiguration("shmup"), 1);
  EXPECT_EQ(gFrameClocks.fadeLevel, 1.0f);
  EXPECT_EQ(gFrameClocks.fadeDelta, 0.0f);
}

}  // namespace
