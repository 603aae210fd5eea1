#include "catalogue/catalogue_state.h"
#include "frontend/shell/handle_key.h"
#include "frontend/shell/wiring_render_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "catalogue/history.h"
#include "frontend/shell/shell_state.h"
#include "render/animations.h"
#include "render/frame_state.h"
#include "frontend/shell/info_panel.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/volume_ramp.h"
#include "platform/audio.h"
#include "render/render_state.h"
#include "shell_installation.h"

using shell::ArmScreensaverTimer;
using shell::HandleKey;
using shell::InfoPanelOpen;
using shell::InfoPanelVisibleLines;
using shell::KillScreensaverTimer;
using shell::LaunchEntry;
using shell::ReleaseVolumeKey;
using shell::SelectPosition;
using shell::SelectedPosition;
using shell::StepVolumeRamp;
using shell::gCatalogue;
using shell::gShell;
using shell::kRunQuitting;
using shell::kRunRunning;
using shell::kSoundNavigate;

using catalogue::FindEntryByName;

namespace {

using shelltest::Crlf;

// A short silent PCM WAV, so the sound channel is busy for `ms` milliseconds.
std::string SilentWav(int ms) {
  const std::uint32_t rate = 22050;
  const std::uint32_t samples = rate * static_cast<std::uint32_t>(ms) / 1000;
  const std::uint32_t dataBytes = samples * 2;
  std::string w;
  auto u32 = [&w](std::uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(static_cast<char>((v >> (8 * i)) & 0xFF)); };
  auto u16 = [&w](std::uint16_t v) { for (int i = 0; i < 2; ++i) w.push_back(static_cast<char>((v >> (8 * i)) & 0xFF)); };
  w += "RIFF";
  u32(36 + dataBytes);
  w += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  w += "data";
  u32(dataBytes);
  w.append(dataBytes, '\0');
  return w;
}

class HandleKeyTest : public shelltest::ShellInstallation {
 protected:
  const KeySettings& keys() const { return gShell.settings.keys; }
};

// Sorted arcade list: Asteroids, Battlezone, Donkey Kong, Galaga, Ms. Pac-Man, Pac-Man
// in nine rows (bounded).

TEST_F(HandleKeyTest, DownAndUpMoveTheSelectionAndAskForAFrameAtOnce) {
  Start();
  EXPECT_EQ(Selected(), "asteroid");
  gRender.clocks.nextFrameTime = 999999;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  EXPECT_EQ(Selected(), "bzone");
  EXPECT_EQ(gRender.clocks.nextFrameTime, 100000u);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  EXPECT_EQ(Selected(), "galaga");
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().up);
  EXPECT_EQ(Selected(), "dkong");
  gRender.clocks.nextFrameTime = 999999;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().up);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().up);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().up);  // already on the first: nothing moves, no frame asked
  EXPECT_EQ(Selected(), "asteroid");
}

TEST_F(HandleKeyTest, NavigateSoundPlaysOncePerPress) {
  Start();
  gShell.sounds.slot[kSoundNavigate] = std::make_unique<platform::SoundClip>(SilentWav(40));
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  EXPECT_FALSE(gShell.input.navigateArmed);
  const bool audio = !platform::AudioIsSilent();
  EXPECT_EQ(platform::SoundChannelBusy(), audio);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);  // auto-repeat of the held key
  EXPECT_FALSE(platform::SoundChannelBusy());
  gShell.input.navigateArmed = true;  // the key went up
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  EXPECT_EQ(platform::SoundChannelBusy(), audio);
  EXPECT_EQ(Selected(), "galaga");
}

TEST_F(HandleKeyTest, LetterAndPageMoves) {
  dir.Write("lists/arcade.txt", shelltest::GameList({{"a1", "Alpha One"}, {"a2", "Alpha Two"}, {"b1", "Bravo One"},
                                                      {"b2", "Bravo Two"}, {"c", "Charlie"}}));
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().right);
  EXPECT_EQ(Selected(), "b1");
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().left);
  EXPECT_EQ(Selected(), "a1");

  gShell.settings.move1Page = true;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().right);  // the list fits: a page forward changes nothing
  EXPECT_EQ(Selected(), "a1");
  EXPECT_EQ(gShell.listWindow.topIndex, 0);
}

TEST_F(HandleKeyTest, RandomGameSelectsAnEntryAndAnEmptyListDoesNothing) {
  Start();
  for (int i = 0; i < 20; ++i) {
    HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().randomGame);
    ASSERT_GE(SelectedPosition(shell::gShell.listWindow, shell::gCatalogue), 0);
    ASSERT_LT(SelectedPosition(shell::gShell.listWindow, shell::gCatalogue), 6);
  }
  gCatalogue.games.entryCount = 0;
  gShell.listWindow = {};
  gRender.clocks.nextFrameTime = 999999;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().randomGame);
  EXPECT_EQ(gRender.clocks.nextFrameTime, 999999u);
  EXPECT_EQ(gShell.listWindow.row, 0);
}

TEST_F(HandleKeyTest, VolumeKeyHeldOneSecondChangesTheVolumeBy200Clamped) {
  Start();
  // The gauge shows each value the ramp reaches; the settings take the last one when the
  // key is released.
  auto holdFor1s = [](int key, std::uint32_t from) {
    HandleKey({shell::gShell, shell::gCatalogue, gRender}, key);
    for (std::uint32_t t = from; t < from + 1000; t += 50) StepVolumeRamp(gShell.volumeRamp, gShell.music, gRender, t);
    ReleaseVolumeKey(gShell.volumeRamp, gShell.settings, gRender);
    return gShell.settings.musicVolume;
  };
  gShell.settings.musicVolume = 300;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().volumeUp);
  EXPECT_EQ(gRender.frame.volumeGauge, 300);
  EXPECT_EQ(holdFor1s(keys().volumeUp, 100000), 500);
  EXPECT_FALSE(gRender.frame.volumeGauge.has_value());
  gShell.settings.musicVolume = 950;
  EXPECT_EQ(holdFor1s(keys().volumeUp, 101000), 1000);
  gShell.settings.musicVolume = 150;
  EXPECT_EQ(holdFor1s(keys().volumeDown, 102000), 0);
}

TEST_F(HandleKeyTest, RotateAddsAQuarterTurn) {
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().rotate);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().rotate);
  EXPECT_EQ(gShell.settings.rotation, 2);
}

TEST_F(HandleKeyTest, QuitStartsTheEndWithOrWithoutTransition) {
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().quit);
  EXPECT_EQ(gShell.runState, kRunQuitting);
  EXPECT_EQ(gRender.clocks.fadeDelta, 0.0f);

  gShell.runState = kRunRunning;
  gShell.settings.transitions = true;
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().quit);
  EXPECT_EQ(gShell.runState, kRunQuitting);
  EXPECT_EQ(gRender.clocks.fadeLevel, 1.0f);
  EXPECT_LT(gRender.clocks.fadeDelta, 0.0f);  // closing
}

TEST_F(HandleKeyTest, MenuKeyOpensTheMenuLaunchSwitchesAndQuitGoesBack) {
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().menu);
  EXPECT_EQ(gShell.settings.currentConfig, "menu");
  EXPECT_EQ(gShell.input.previousConfig, "arcade");
  EXPECT_EQ(Selected(), "shmup");
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().launchGame);  // in a menu the launch key switches
  EXPECT_EQ(gShell.settings.currentConfig, "shmup");
  EXPECT_NE(Ini("config/Orvanel.ini").find("LastEmu=shmup"), std::string::npos);

  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().menu);
  EXPECT_EQ(gShell.input.previousConfig, "shmup");
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().quit);
  EXPECT_EQ(gShell.settings.currentConfig, "shmup");
  EXPECT_EQ(gShell.runState, kRunRunning);
  EXPECT_EQ(Ini("config/Orvanel.ini").find("LastEmu=menu"), std::string::npos);
}

TEST_F(HandleKeyTest, QuitInAMenuNotOpenedByMenuKeyReloadsLastEmu) {
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().down);
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "menu", 0, 1), 1);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().quit);
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
}

TEST_F(HandleKeyTest, SystemMenuKeyOpensTheBaseConfiguration) {
  Start();
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "shmup", 0, 1), 1);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, 999);
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
}

TEST_F(HandleKeyTest, FavouritesKeyWritesTheFlagAndShowsPlayedGames) {
  dir.Write("lists/arcade.sta", Crlf({"[pacman]", "Nb=3", "[galaga]", "Nb=12", "[dkong]", "Nb=0"}));
  Start();
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().favourites);
  EXPECT_TRUE(gShell.settings.listeFavoris);
  EXPECT_NE(Ini("config/arcade/config.ini").find("ListeFavoris=YES"), std::string::npos);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Galaga", "Pac-Man"}));
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().favourites);
  EXPECT_FALSE(gShell.settings.listeFavoris);
  EXPECT_NE(Ini("config/arcade/config.ini").find("ListeFavoris=NO"), std::string::npos);
  EXPECT_EQ(Titles().size(), 6u);
}

TEST_F(HandleKeyTest, FavouritesKeyDoesNothingInAMenu) {
  Start();
  ASSERT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "menu", 0, 1), 1);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, keys().favourites);
  EXPECT_FALSE(gShell.settings.listeFavoris);
  EXPECT_EQ(gShell.settings.currentConfig, "menu");
}

}  // namespace

namespace {

class InfoPanel : public shelltest::ShellInstallation {
 protected:
  void SetUp() override {
    ShellInstallation::SetUp();
    std::string text = "$info=galaga,\r\n$bio\r\n\r\n";
    for (int i = 1; i <= 40; ++i) text += "Galaga history line " + std::to_string(i) + "\r\n";
    text += "$end\r\n";
    dir.Write("emu/history.dat", text);
  }
  void OpenOnGalaga() {
    Start();
    SelectPosition(shell::gShell.listWindow, shell::gCatalogue, gRender, FindEntryByName(gCatalogue.games, "galaga"));
    ArmScreensaverTimer(gShell.screensaverTimer, gShell.settings.scrTimeOut);
    HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.infos);
    ASSERT_TRUE(InfoPanelOpen(shell::gCatalogue.history));
  }
};

TEST_F(InfoPanel, InfosOpensTheHistoryAndStopsTheScreensaver) {
  OpenOnGalaga();
  EXPECT_NE(gCatalogue.history.text.find("Galaga history line 1"), std::string::npos);
  EXPECT_EQ(gCatalogue.history.firstLine, 0);
  EXPECT_FALSE(gShell.screensaverTimer.armed);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.infos);
  EXPECT_FALSE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_TRUE(gShell.screensaverTimer.armed);
}

TEST_F(InfoPanel, OnlyInfosUpDownAndQuitActAndQuitClosesThePanel) {
  OpenOnGalaga();
  const KeySettings& k = gShell.settings.keys;
  for (int code : {k.left, k.right, k.launchGame, k.randomGame, k.menu, k.rotate, k.favourites}) HandleKey({shell::gShell, shell::gCatalogue, gRender}, code);
  EXPECT_TRUE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_EQ(Selected(), "galaga");
  EXPECT_EQ(gShell.settings.currentConfig, "arcade");
  EXPECT_EQ(gShell.settings.rotation, 0);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, k.down);
  EXPECT_EQ(gCatalogue.history.firstLine, 1);
  EXPECT_EQ(Selected(), "galaga");  // Down scrolls the text, not the list
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, k.quit);
  EXPECT_FALSE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_EQ(gShell.runState, kRunRunning);
}

TEST_F(InfoPanel, ScrollingStaysWithinTheText) {
  OpenOnGalaga();
  const int shown = InfoPanelVisibleLines(gShell.settings.hautFen);  // (480 - 100) / 17 = 22
  EXPECT_EQ(shown, 22);
  ASSERT_GT(gCatalogue.history.lineCount, shown);
  for (int i = 0; i < 100; ++i) HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.down);
  EXPECT_EQ(gCatalogue.history.firstLine, gCatalogue.history.lineCount - shown);
  for (int i = 0; i < 100; ++i) HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.up);
  EXPECT_EQ(gCatalogue.history.firstLine, 0);
}

TEST_F(InfoPanel, AGameWithoutHistoryOpensNothingAndTheScreensaverCountsAgain) {
  Start();
  KillScreensaverTimer(gShell.screensaverTimer);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.infos);  // asteroid has no record
  EXPECT_FALSE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.down);
  EXPECT_EQ(Selected(), "bzone");
}

TEST_F(InfoPanel, AnEmulatorFoundThroughPathHasItsHistoryBesideIt) {
  // EmuExe without a directory: the program PATH finds, and its history.dat.
  dir.Write("config/arcade/config.ini",
            Crlf({"[Config]", "TemplateDir=Plain", "FichierDescription=lists/arcade.txt", "EmuExe=pathemu"}));
  dir.Write("bin/pathemu", "#!/bin/sh\n");
  std::filesystem::permissions(dir / "bin/pathemu", std::filesystem::perms::owner_all);
  std::filesystem::rename(dir / "emu/history.dat", dir / "bin/history.dat");
  dir.Write("cwd/history.dat", "$info=galaga,\r\n$bio\r\n\r\nThe wrong file.\r\n$end\r\n");
  struct Restore {
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    std::filesystem::path cwd = std::filesystem::current_path();
    ~Restore() {
      std::filesystem::current_path(cwd);
      ::setenv("PATH", path.c_str(), 1);
    }
  } restore;
  ::setenv("PATH", (dir / "nothing:" + dir / "bin").c_str(), 1);
  std::filesystem::current_path(dir / "cwd");
  OpenOnGalaga();
  EXPECT_NE(gCatalogue.history.text.find("Galaga history line 1"), std::string::npos);
  // Not on PATH: no history, and never the working directory's.
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.infos);
  ::setenv("PATH", (dir / "nothing").c_str(), 1);
  HandleKey({shell::gShell, shell::gCatalogue, gRender}, gShell.settings.keys.infos);
  EXPECT_FALSE(InfoPanelOpen(shell::gCatalogue.history));
  EXPECT_EQ(gCatalogue.history.text.find("wrong"), std::string::npos);
}

}  // namespace
