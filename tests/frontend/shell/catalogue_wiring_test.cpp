// The catalogue as the start-up, a configuration reload and the periodic save drive it.
#include <gtest/gtest.h>

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "catalogue/statistics.h"
#include "catalogue/list_window.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_input.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/profile.h"
#include "temp_dir.h"

using shell::LoadConfiguration;
using shell::ResetShellState;
using shell::gCatalogue;
using shell::gShell;
namespace wire = shell::wire;

using catalogue::SaveTotalTimes;

namespace {

class CatalogueWiring : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState();
    gShell.baseDirectory = dir.path();
    platform::SetLogDirectory(dir.path());
    dir.Write("config/Orvanel.ini", "[General]\r\nLastEmu=mame\r\n");
    dir.Write("config/mame/config.ini", "[Config]\r\nFichierDescription=Lists\\Mame.txt\r\n");
    dir.Write("lists/mame.txt", "[zr]\r\nFullName=Zebra Run\r\n[sg]\r\nFullName=sample game\r\n"
                                "[SG2]\r\nFullName=Sample Game\r\n");
    dir.Write("lists/mame.sta", "[sg]\r\nNb=2\r\n");
    dir.Write("Orvanel.sta", "[StatGen]\r\nTpsTot=1:0.0\r\n[Mame]\r\nTpsTot=0:1.0\r\n");
  }
  void TearDown() override { platform::ClearTickOverride(); }
  std::vector<std::string> Shown() const {
    std::vector<std::string> out;
    for (int p = 0; p < gCatalogue.games.entryCount; ++p) out.emplace_back(gCatalogue.games.AtPosition(p).fullName);
    return out;
  }
  std::string Get(const std::string& file, const std::string& section, const std::string& key) const {
    return platform::ReadProfileString(dir / file, section, key, "<none>");
  }
  TempDir dir;
};

}  // namespace

TEST_F(CatalogueWiring, StartUpLoadsSortsAndTimesAreSavedFromTheirTicks) {
  platform::SetTickOverride(1000);
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  wire::OpenGlobalStatistics();
  wire::LoadAndSortGameList();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Sample Game", "Zebra Run", "sample game"}));

  SaveTotalTimes(gCatalogue.statistics, 31000);
  EXPECT_EQ(Get("Orvanel.sta", "StatGen", "TpsTot"), "1:0.30");
  EXPECT_EQ(Get("Orvanel.sta", "Mame", "TpsTot"), "0:1.30");
}

TEST_F(CatalogueWiring, FavouritesToggleGoesThroughTheConfigurationFile) {
  platform::SetTickOverride(1000);
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, ""), 1);
  wire::OpenGlobalStatistics();
  wire::LoadAndSortGameList();
  wire::SelectLastGame();  // the list is shown: what is left of it is saved
  gShell.settings.listeFavoris = true;  // the favourites key inverts the flag, then reloads
  platform::SetTickOverride(61000);
  ASSERT_EQ(LoadConfiguration(shell::gShell, shell::gCatalogue, "mame"), 1);
  EXPECT_EQ(Get("config/mame/config.ini", "Config", "ListeFavoris"), "YES");
  EXPECT_EQ(Get("config/mame/config.ini", "Config", "LastGame"), "SG2");
  EXPECT_EQ(Get("Orvanel.sta", "Mame", "TpsTot"), "0:2.0");  // the list left: 60 s more
  EXPECT_TRUE(gShell.settings.listeFavoris);
  wire::LoadAndSortGameList();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"sample game"}));
}
