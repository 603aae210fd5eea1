// An installation tree for the key and switch tests: two game configurations, a menu,
// a template with nine list lines, and the program-wide records reset around each test.
#pragma once

#include "catalogue/catalogue_state.h"
#include "temp_dir.h"
#include "frontend/shell/wiring_render_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/layout.h"
#include "render/render_reset.h"
#include "render/render_state.h"
#include "frontend/shell/input_state.h"
#include "catalogue/list_window.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/music.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "frontend/shell/shell_state.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace shelltest {

inline std::string Crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

inline std::string GameList(const std::vector<std::pair<std::string, std::string>>& games) {
  std::vector<std::string> lines;
  for (const auto& [rom, title] : games) {
    lines.push_back("[" + rom + "]");
    lines.push_back("FullName=" + title);
  }
  return Crlf(lines);
}

class ShellInstallation : public ::testing::Test {
 protected:
  TempDir dir;

  void SetUp() override {
    ResetRecords();
    platform::RecordMessageBoxes();
    dir.Write("config/Orvanel.ini", Crlf({"[General]", "LastEmu=arcade", "EmuBase=arcade", "Transitions=NO",
                                          "ModeFenetre=OUI", "[Touches]"}));
    dir.Write("config/arcade/config.ini",
              Crlf({"[Config]", "TemplateDir=Plain", "FichierDescription=lists/arcade.txt", "Menu=menu",
                    "EmuExe=emu/emu", "ScrTimeOut=60", "MusicFond=music/arcade.mp3", "MusicVolume=300"}));
    dir.Write("config/shmup/config.ini",
              Crlf({"[Config]", "TemplateDir=Plain", "FichierDescription=lists/shmup.txt", "Menu=menu",
                    "LastGame=raiden", "ScrTimeOut=30", "MusicFond=MUSIC/Arcade.mp3"}));
    dir.Write("config/menu/config.ini",
              Crlf({"[Config]", "TemplateDir=Plain", "FichierDescription=lists/menu.txt", "TypeMenu=YES",
                    "MusicFond=music/menu.mp3"}));
    // File order is not title order.
    dir.Write("lists/arcade.txt", GameList({{"galaga", "Galaga"}, {"asteroid", "Asteroids"},
                                            {"pacman", "Pac-Man"}, {"dkong", "Donkey Kong"},
                                            {"bzone", "Battlezone"}, {"mspacman", "Ms. Pac-Man"}}));
    dir.Write("lists/shmup.txt", GameList({{"xevious", "Xevious"}, {"raiden", "Raiden"}, {"gradius", "Gradius"}}));
    dir.Write("lists/menu.txt", GameList({{"shmup", "Shoot'em up"}, {"arcade", "Arcade classics"}}));
    dir.Write("Templates/Plain/Layout.cfg",
              Crlf({"RESOLUTIONX=640", "RESOLUTIONY=480", "List_NbItems=9", "List_left=20", "List_top=20",
                    "List_width=300", "List_height=440", "List_visible=YES"}));
    shell::gShell.baseDirectory = dir.path();
    platform::SetTickOverride(100000);
  }

  void TearDown() override {
    platform::ClearTickOverride();
    ResetRecords();
  }

  static void ResetRecords() {
    shell::ResetShellState();
    render::ResetRenderState(gRender);
  }

  // What the start-up does before the loop: settings, list, layout, LastGame.
  void Start() {
    ASSERT_EQ(shell::LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
    const int count = shell::LoadConfiguredGameList(shell::gShell.settings, shell::gShell.baseDirectory);
    if (count > 0) catalogue::SortGameList(shell::gCatalogue.games, 0, count - 1);
    ASSERT_EQ(render::LoadLayout(gRender, shell::gShell.baseDirectory, shell::gShell.settings.currentConfig, shell::gShell.settings.templateDir), 1);
    shell::wire::SelectLastGame();
  }

  static std::string Selected() {
    const std::optional<catalogue::GameEntry> e = shell::SelectedEntry(shell::gShell.listWindow, shell::gCatalogue);
    return e ? std::string(e->romName) : std::string("(none)");
  }
  static std::vector<std::string> Titles() {
    std::vector<std::string> out;
    for (int p = 0; p < shell::gCatalogue.games.entryCount; ++p) out.emplace_back(shell::gCatalogue.games.AtPosition(p).fullName);
    return out;
  }
  std::string Ini(const std::string& name) const { return dir.Read(name); }
};

}  // namespace shelltest
