#include <gtest/gtest.h>

#include "catalogue/category_files.h"
#include "catalogue/game_filter.h"

using catalogue::CategoryMatches;
using catalogue::CategoryTable;
using catalogue::ControlOf;
using catalogue::FilterFileText;
using catalogue::FilterGameList;
using catalogue::FilterSources;
using catalogue::GameFilter;
using catalogue::GameList;
using catalogue::PlayerCount;
using catalogue::PlayersTable;
using catalogue::ReadCatver;
using catalogue::ReadNPlayers;

namespace {

// A catver.ini as the community ships it: comments, the folder sections, [Category],
// [VerAdded] (never read), CR LF, a duplicate name and an accented category in the
// encoding given.
std::string Catver(std::string_view accentedE) {
  return ";; catver.ini 0.251 ;;\r\n"
         "[FOLDER_SETTINGS]\r\nRootFolderIcon mame\r\n\r\n"
         "[Category]\r\n"
         "1942=Shooter / Flying Vertical\r\n"
         "pacman = Maze / Collect \r\n"
         "mjgirl=Tabletop / Mahjong * Mature *\r\n"
         "# a comment in the middle\r\n"
         "sf2=Fighter / Versus\r\n"
         "SF2=Puzzle / Drop\r\n"
         "cafe=Quiz / Fran" + std::string(accentedE) + "ais\n"
         "[VerAdded]\r\n"
         "1942=.37b1\r\nnewgame=0.251\r\n";
}

constexpr std::string_view kNPlayers =
    "[NPlayers]\r\n1942=2P alt\r\npacman=2P alt\r\nmjgirl=1P\r\nsf2=2P sim\r\n"
    "gauntlet=4P alt / 2P sim\r\nneogeo=BIOS\r\n";

}  // namespace

TEST(CategoryFiles, CatverInWindows1252AndUtf8ReadsTheSameUtf8) {
  for (const std::string_view e : {std::string_view("\xE7"), std::string_view("\xC3\xA7")}) {
    SCOPED_TRACE(e.size() == 1 ? "Latin-1" : "UTF-8");
    const CategoryTable t = ReadCatver(Catver(e));
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t.at("1942").name, "Shooter / Flying Vertical");
    EXPECT_FALSE(t.at("1942").mature);
    EXPECT_EQ(t.at("pacman").name, "Maze / Collect");
    EXPECT_EQ(t.at("mjgirl").name, "Tabletop / Mahjong");
    EXPECT_TRUE(t.at("mjgirl").mature);
    EXPECT_EQ(t.at("sf2").name, "Fighter / Versus");  // the first of a duplicate counts
    EXPECT_EQ(t.at("cafe").name, "Quiz / Fran\xC3\xA7" "ais");
    EXPECT_EQ(t.count("newgame"), 0u);
  }
}

TEST(CategoryFiles, NPlayersAndPlayerCounts) {
  const PlayersTable t = ReadNPlayers(std::string(kNPlayers));
  EXPECT_EQ(t.size(), 6u);
  EXPECT_EQ(t.at("gauntlet"), "4P alt / 2P sim");
  const struct {
    const char* text;
    int players;
  } cases[] = {{"1P", 1}, {"2P sim", 2}, {"4P alt / 2P sim", 4}, {"2P 1B 2C joy4way", 2}, {"3B joy8way", 0},
               {"???", 0}, {"BIOS", 0}, {"", 0}, {"12P", 12}, {"99999999P", 0}};
  for (const auto& c : cases) EXPECT_EQ(PlayerCount(c.text), c.players) << c.text;
}

TEST(CategoryFiles, AnyInputIsReadWithoutHarm) {
  EXPECT_TRUE(ReadCatver("").empty());
  EXPECT_TRUE(ReadCatver("[Category]").empty());
  EXPECT_TRUE(ReadCatver("[Category\n=x\nname\n[").empty());
  EXPECT_EQ(ReadCatver("[category]\rx=A\r").at("x").name, "A");  // CR alone ends lines too
  EXPECT_EQ(ReadCatver(std::string("[Category]\nx=\0A * Mature *", 26)).at("x").mature, true);
}

TEST(GameFilter, CategoryPatterns) {
  const struct {
    const char* pattern;
    const char* category;
    bool matches;
  } cases[] = {
      {"Shooter/*", "Shooter / Flying Vertical", true},
      {"shooter / flying vertical", "Shooter / Flying Vertical", true},
      {"Shooter/Flying*", "Shooter/Flying Horizontal", true},
      {"Shooter", "Shooter / Flying Vertical", false},
      {"*/Mahjong", "Tabletop / Mahjong", true},
      {"*", "", true},
      {"Sh*ter/*ing*", "Shooter / Flying Vertical", true},
      {"Fly*", "Shooter / Flying Vertical", false},
      {"Shooter/Flying  Vertical", "Shooter / Flying Vertical", false},  // blanks count away from "/"
      {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
      {"*a*a*a", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", true},
  };
  for (const auto& c : cases) EXPECT_EQ(CategoryMatches(c.pattern, c.category), c.matches) << c.pattern;
}

TEST(GameFilter, EachChoiceKeepsTheGamesItNames) {
  GameList list;
  // name, full name, year, screen, controls, RomOf
  list.entries = {{"1942", "1942", "1984", "v 224x256 60Hz", "2P 2B 1C joy8way", "", ""},
                  {"pacman", "Pac-Man", "1980", "v 224x288 60Hz", "1P 0B 1C joy4way", "puckman", ""},
                  {"mjgirl", "Mahjong Girl", "198?", "h 256x224", "1P", "", ""},
                  {"SF2", "Street Fighter II", "1991", "h 384x224 59Hz", "2P 6B 2C joy8way", "", ""},
                  {"unknown", "Unknown", "2001", "", "", "", ""}};
  const CategoryTable catver = ReadCatver(Catver("\xE7"));
  const PlayersTable nplayers = ReadNPlayers(std::string(kNPlayers));
  const FilterSources both{&catver, &nplayers};
  const FilterSources none{};
  using Names = std::vector<std::string>;
  const struct {
    const char* what;
    GameFilter filter;
    FilterSources sources;
    Names kept;
  } cases[] = {
      {"nothing chosen", {}, none, {"1942", "pacman", "mjgirl", "SF2", "unknown"}},
      {"a category", {.categories = {"Shooter/*"}}, both, {"1942"}},
      {"two categories", {.categories = {"maze/*", "fighter/versus"}}, both, {"pacman", "SF2"}},
      {"no mature games, unknown ones stay", {.noMature = true}, both, {"1942", "pacman", "SF2", "unknown"}},
      {"two players from nplayers.ini", {.players = 2}, both, {"1942", "pacman", "SF2"}},
      {"two players from Infos3", {.players = 2}, none, {"1942", "SF2"}},
      {"one player from Infos3", {.players = 1}, none, {"pacman", "mjgirl"}},
      {"vertical", {.orientation = 'v'}, none, {"1942", "pacman"}},
      {"horizontal", {.orientation = 'h'}, none, {"mjgirl", "SF2"}},
      {"parents only", {.parentsOnly = true}, none, {"1942", "mjgirl", "SF2", "unknown"}},
      {"years, an unknown year out", {.yearFrom = 1980, .yearTo = 1990}, none, {"1942", "pacman"}},
      {"from a year on", {.yearFrom = 1991}, none, {"SF2", "unknown"}},
      {"all together", {.categories = {"*"}, .noMature = true, .players = 2, .orientation = 'v', .yearTo = 1983},
       both, {"pacman"}},
      {"a control", {.controls = {"JOY8WAY"}}, none, {"1942", "SF2"}},
      {"two controls", {.controls = {"joy4way", "joy8way"}}, none, {"1942", "pacman", "SF2"}},
      {"no control named", {.controls = {""}}, none, {"mjgirl", "unknown"}},
  };
  for (const auto& c : cases) EXPECT_EQ(FilterGameList(list, c.filter, c.sources), c.kept) << c.what;
  EXPECT_EQ(FilterFileText({"1942", "SF2"}), "1942\r\nSF2\r\n");
}

TEST(GameFilter, ControlIsTheSummarysLastPart) {
  const struct {
    const char* infos3;
    const char* control;
  } cases[] = {{"2P 1B 2C joy4way", "joy4way"}, {"1P 0B 1C dial", "dial"}, {"2P 4B 2C", ""}, {"", ""},
               {"joy8way", "joy8way"}, {"2P  1B  trackball ", "trackball"}, {"12P 2C lightgun", "lightgun"},
               {"P 2X", "P 2X"}, {"2PB 1B", "2PB"}};
  for (const auto& c : cases) EXPECT_EQ(ControlOf(c.infos3), c.control) << c.infos3;
}
