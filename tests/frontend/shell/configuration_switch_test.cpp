#include "frontend/shell/configuration_switch.h"
#include "frontend/shell/wiring_render_state.h"

#include <gtest/gtest.h>

#include "frontend/shell/shell_state.h"
#include "platform/debug_log.h"
#include "render/render_state.h"
#include "shell_installation.h"

using shell::LoadConfiguration;
using shell::MoveSelectionDown;
using shell::StartMusic;
using shell::SwitchConfiguration;
using shell::gShell;
namespace wire = shell::wire;

using catalogue::ListWindow;

namespace {

using shelltest::Crlf;

class ConfigurationSwitch : public shelltest::ShellInstallation {};

TEST_F(ConfigurationSwitch, LoadsSettingsSortedListLastGameAndArmsTheScreensaver) {
  Start();
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "shmup"), 1);
  EXPECT_EQ(gShell.settings.currentConfig, "shmup");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Gradius", "Raiden", "Xevious"}));
  EXPECT_EQ(Selected(), "raiden");
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  EXPECT_EQ(gShell.screensaverTimer.due, 100000u + 30000u);
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=shmup"), std::string::npos);
}

TEST_F(ConfigurationSwitch, MenuKeepsFileOrderAndIsNeverRememberedAsLastEmu) {
  Start();
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "menu"), 1);
  EXPECT_TRUE(gShell.settings.typeMenu);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Shoot'em up", "Arcade classics"}));
  EXPECT_EQ(Selected(), "shmup");  // LastGame "0" names nothing: first entry
  EXPECT_FALSE(gShell.screensaverTimer.armed);  // the menu has no ScrTimeOut
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=arcade"), std::string::npos);
}

TEST_F(ConfigurationSwitch, AMenuStartedAsTheFirstConfigurationKeepsFileOrderToo) {
  dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu=menu", "EmuBase=menu", "Transitions=NO"}));
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  ASSERT_TRUE(gShell.settings.typeMenu);
  wire::LoadAndSortGameList();  // what the main window's creation does at start-up
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Shoot'em up", "Arcade classics"}));
}

TEST_F(ConfigurationSwitch, MusicRestartsOnlyForAnotherMusicPath) {
  Start();
  StartMusic(gShell.music, shell::gCatalogue, gShell.settings.musicFond, false, gShell.settings.musicVolume);
  const std::string arcadeMusic = gShell.music.pathPlaying;
  ASSERT_FALSE(arcadeMusic.empty());
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "shmup"), 1);  // the same path in other letter case
  EXPECT_EQ(gShell.music.pathPlaying, arcadeMusic);
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "menu"), 1);
  EXPECT_EQ(gShell.music.pathPlaying, gShell.settings.musicFond);
  EXPECT_NE(gShell.music.pathPlaying, arcadeMusic);
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
  StartMusic(gShell.music, shell::gCatalogue, gShell.settings.musicFond, false, gShell.settings.musicVolume);
  const std::string playing = gShell.music.pathPlaying;
  for (const char* config : {"shmup", "other", "again"}) {
    ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, config), 1);
    EXPECT_EQ(gShell.music.pathPlaying, playing) << config << ": the music started again";
  }
}

TEST_F(ConfigurationSwitch, FailedSwitchLeavesEverythingAsItWas) {
  Start();
  gShell.settings.emuBase.clear();  // no base configuration to fall back on
  MoveSelectionDown(shell::gShell.listWindow, shell::gCatalogue, gRender);
  MoveSelectionDown(shell::gShell.listWindow, shell::gCatalogue, gRender);
  const Settings settingsBefore = gShell.settings;
  const std::vector<std::string> titlesBefore = Titles();
  const ListWindow windowBefore = gShell.listWindow;
  const std::string iniBefore = Ini("config/Orvanel.ini");

  EXPECT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "nosuch"), 0);
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
  EXPECT_EQ(gShell.settings.templateDir, settingsBefore.templateDir);
  EXPECT_EQ(gShell.settings.fichierDescription, settingsBefore.fichierDescription);
  EXPECT_EQ(Titles(), titlesBefore);
  EXPECT_EQ(gShell.listWindow.topIndex, windowBefore.topIndex);
  EXPECT_EQ(gShell.listWindow.row, windowBefore.row);
  EXPECT_EQ(gRender.layout.listNbItems, 9);
  EXPECT_EQ(Ini("config/Orvanel.ini"), iniBefore);
  EXPECT_TRUE(gShell.screensaverTimer.armed);  // counting again from the failed switch
  EXPECT_EQ(gShell.screensaverTimer.due, 100000u + 60000u);
}

TEST_F(ConfigurationSwitch, MissingTemplateGoesBackToThePreviousConfigurationAndWritesNothing) {
  const std::string broken = Crlf({"[Config]", "TemplateDir=Nowhere", "FichierDescription=lists/broken.txt",
                                   "LastGame=xevious"});
  dir.Write("config/broken/config.ini", broken);
  dir.Write("lists/broken.txt", dir.Read("lists/shmup.txt"));
  platform::SetLogDirectory(dir.path());
  Start();
  // From a menu (never remembered as LastEmu) to a configuration whose template is missing.
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "menu"), 1);
  MoveSelectionDown(shell::gShell.listWindow, shell::gCatalogue, gRender);
  const std::string mainBefore = Ini("config/Orvanel.ini");
  SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "broken");
  EXPECT_EQ(gShell.settings.currentConfig, "menu");
  EXPECT_EQ(gShell.settings.templateDir, "Plain");
  EXPECT_EQ(gRender.layout.listNbItems, 9);
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
  ASSERT_EQ(SwitchConfiguration(shell::gShell, shell::gCatalogue, gRender, "shmup"), 1);
  EXPECT_EQ(gRender.clocks.fadeLevel, 1.0f);
  EXPECT_EQ(gRender.clocks.fadeDelta, 0.0f);
}

}  // namespace
