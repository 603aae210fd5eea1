#include <gtest/gtest.h>

#include "catalogue/catalogue_state.h"
#include "catalogue/favourites.h"
#include "catalogue/game_list.h"
#include "platform/profile.h"
#include "temp_dir.h"

using catalogue::GameList;
using catalogue::SaveFavourites;
using catalogue::SelectedRomName;

TEST(SaveFavourites, WritesBothKeysAndKeepsTheRest) {
  TempDir tmp;
  tmp.Write("config/mame/config.ini", "; mine\r\n[Config]\r\nEmuExe=mame\r\nlistefavoris=NO\r\n");
  const std::string config = "MAME";  // the directory's case differs
  EXPECT_EQ(SaveFavourites(tmp.path(), config, true, "samplegm"), 1);
  EXPECT_EQ(tmp.Read("config/mame/config.ini"),
            "; mine\r\n[Config]\r\nEmuExe=mame\r\nListeFavoris=YES\r\nLastGame=samplegm\r\n");
  // An empty list (favourites where nothing was played) has no selection: the game last
  // played is kept.
  SaveFavourites(tmp.path(), config, false, "");
  EXPECT_EQ(platform::ReadProfileString(tmp / "config/mame/config.ini", "Config", "ListeFavoris", ""), "NO");
  EXPECT_EQ(platform::ReadProfileString(tmp / "config/mame/config.ini", "Config", "LastGame", "x"), "samplegm");

  EXPECT_EQ(SaveFavourites(tmp.path(), "", false, "samplegm"), 0);
}

TEST(SaveFavourites, SelectedRomNameFollowsTheDisplayOrder) {
  GameList games;
  EXPECT_EQ(SelectedRomName(games, 0), "");
  games.entries = {{"a", "A", "", "", "", "", "A"}, {"b", "B", "", "", "", "", "B"}};
  games.displayOrder = {1, 0};
  games.entryCount = 2;
  EXPECT_EQ(SelectedRomName(games, 0), "b");
  EXPECT_EQ(SelectedRomName(games, 2), "");
}
