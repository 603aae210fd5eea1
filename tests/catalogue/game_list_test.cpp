#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "platform/memory.h"
#include "platform/text_file.h"
#include "temp_dir.h"

using catalogue::FindEntryByName;
using catalogue::GameEntry;
using catalogue::GameList;
using catalogue::GameListSource;
using catalogue::HistoryPanel;
using catalogue::LoadGameList;
using catalogue::LoadHistory;
using catalogue::SortGameList;
using catalogue::SortKeyOf;

namespace {

class GameListLoad : public ::testing::Test {
 protected:
  GameListSource Source(bool favourites = false) {
    return {tmp / "lists/mame.txt", tmp / "config/mame/Liste.ini", tmp / "lists/mame.sta", favourites};
  }
  int Load(GameList& list, bool favourites = false) {
    int n = LoadGameList(list, Source(favourites));
    if (n > 0) SortGameList(list, 0, n - 1);
    return n;
  }
  std::vector<std::string> Names(const GameList& list) {
    std::vector<std::string> out;
    for (std::int32_t p = 0; p < list.entryCount; ++p) out.emplace_back(list.AtPosition(p).fullName);
    return out;
  }
  TempDir tmp;
};

}  // namespace

TEST_F(GameListLoad, SectionsKeysAndFallbacks) {
  tmp.Write("lists/mame.txt",
            "FullName=ignored before any header\r\n"
            "[samplegm]\r\n"
            "[sample2]\r\n"
            "FullName = Sample Game\r\n"
            "RomOf=averyveryverylongparent\r\n"
            "infos1=1982\r\n"
            "Infos2 =v 224x288\r\n"
            "Infos3=  2P\r\n"
            "no equals sign\r\n"
            "Unknown=x\r\n"
            "[sample3\r\n"
            "FullName=  Spaced\r\n"
            "fullname=Later wins\r\n"
            "[samplegm]\r\n"
            "FullName=" + std::string(150, 'n') + "\r\n");
  GameList list;
  ASSERT_EQ(LoadGameList(list, Source()), 4);
  EXPECT_EQ(list.entryCount, 4);
  EXPECT_EQ(list.displayOrder, (std::vector<std::int32_t>{0, 1, 2, 3}));
  const auto& e = list.entries;
  EXPECT_EQ(e[0].romName, "samplegm");
  EXPECT_EQ(e[0].fullName, "samplegm");
  EXPECT_EQ(e[0].infos1, "");
  EXPECT_EQ(e[1].fullName, "Sample Game");
  EXPECT_EQ(e[1].romOf, "averyveryve");
  EXPECT_EQ(e[1].infos1, "1982");
  EXPECT_EQ(e[1].infos2, "v 224x288");
  EXPECT_EQ(e[1].infos3, " 2P");
  EXPECT_EQ(e[2].romName, "sample3");
  EXPECT_EQ(e[2].fullName, "Later wins");
  EXPECT_EQ(e[3].romName, "samplegm");  // a repeated section is a second entry
  EXPECT_EQ(e[3].fullName, std::string(99, 'n'));
  EXPECT_EQ(SortKeyOf(e[1]), "Sample Game");
}

TEST_F(GameListLoad, SortedByNameBytes) {
  tmp.Write("lists/mame.txt",
            "[a]\r\nFullName=sample game\r\n[b]\r\nFullName=Zebra Run\r\n[c]\r\nFullName=Sample Game\r\n");
  GameList list;
  Load(list);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Sample Game", "Zebra Run", "sample game"}));
  EXPECT_EQ(FindEntryByName(list, "A"), 2);
  EXPECT_EQ(FindEntryByName(list, "zzz"), 0);
}

TEST_F(GameListLoad, MissingFileKeepsTheOldEntriesButCountsZero) {
  GameList list;
  list.entries = {{"old", "Old", "", "", "", "", "Old"}};
  list.displayOrder = {0};
  list.entryCount = 1;
  EXPECT_EQ(LoadGameList(list, Source()), 0);
  EXPECT_EQ(list.entryCount, 0);
  EXPECT_EQ(list.entries.size(), 1u);
}

TEST_F(GameListLoad, FilterMatchesNamesWithoutCase) {
  tmp.Write("lists/mame.txt", "[samplegm]\r\n[other]\r\n[third]\r\n");
  tmp.Write("config/mame/Liste.ini", "SAMPLEGM\r\n\r\n third\r\n");
  GameList list;
  ASSERT_EQ(Load(list), 1);
  EXPECT_EQ(list.entries[0].romName, "samplegm");
  // An empty filter file is no filter.
  tmp.Write("config/mame/Liste.ini", "\r\n");
  EXPECT_EQ(Load(list), 3);
}

TEST_F(GameListLoad, FavouritesByCountThenName) {
  tmp.Write("lists/mame.txt",
            "[b]\r\nFullName=B\r\n[z]\r\nFullName=Z\r\n[a]\r\nFullName=A\r\n[never]\r\n[unlisted]\r\n");
  tmp.Write("lists/mame.sta",
            "[b]\r\nNb=3\r\n[z]\r\nnb =12\r\n[a]\r\nNbScr=9\r\nNB= 3\r\n[never]\r\nNb=0\r\n[gone]\r\nNb=4\r\n");
  GameList list;
  ASSERT_EQ(Load(list, true), 3);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Z", "A", "B"}));
  EXPECT_EQ(list.AtPosition(0).sortKey, "99987Z");
  EXPECT_EQ(list.AtPosition(1).sortKey, "99996A");

  // With a filter only its names are candidates; their counts come from the statistics.
  tmp.Write("config/mame/Liste.ini", "B\r\nnever\r\n");
  ASSERT_EQ(Load(list, true), 1);
  EXPECT_EQ(list.entries[0].romName, "b");
}

TEST_F(GameListLoad, FavouritesWithoutPlaysOrWithoutStatistics) {
  tmp.Write("lists/mame.txt", "[a]\r\n[b]\r\n");
  GameList list;
  // No statistics file: no counts, the whole list shows.
  EXPECT_EQ(Load(list, true), 2);
  EXPECT_EQ(list.AtPosition(0).sortKey, "99999a");
  // A statistics file without plays: the favourites list is empty.
  tmp.Write("lists/mame.sta", "[a]\r\nNbScr=2\r\n");
  EXPECT_EQ(Load(list, true), 0);
  // With a filter but no statistics file nothing passes.
  std::filesystem::remove(tmp / "lists/mame.sta");
  tmp.Write("config/mame/Liste.ini", "a\r\n");
  EXPECT_EQ(Load(list, true), 0);
}

TEST_F(GameListLoad, FavouriteNamesAreCutToLeaveRoomForTheCount) {
  tmp.Write("lists/mame.txt", "[a]\r\nFullName=" + std::string(120, 'q') + "\r\n");
  tmp.Write("lists/mame.sta", "[a]\r\nNb=1\r\n");
  GameList list;
  ASSERT_EQ(Load(list, true), 1);
  EXPECT_EQ(list.entries[0].fullName.size(), 94u);
  EXPECT_EQ(list.entries[0].sortKey, "99998" + std::string(94, 'q'));
}

TEST_F(GameListLoad, NamesCutToTheirFieldLoseWholeCharacters) {
  const std::string cjk = "\xE6\x97\xA5";  // three bytes
  const struct {
    bool favourites;
    std::string fullName;
    std::string kept;
  } cases[] = {
      {false, std::string(98, 'q') + cjk, std::string(98, 'q')},           // 99 bytes would split it
      {false, std::string(96, 'q') + cjk + "z", std::string(96, 'q') + cjk},  // it fits whole
      {true, std::string(93, 'q') + cjk, std::string(93, 'q')},            // 94 for favourites
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fullName.size());
    tmp.Write("lists/mame.txt", "[a]\r\nFullName=" + c.fullName + "\r\nInfos1=" + c.fullName + "\r\n");
    tmp.Write("lists/mame.sta", "[a]\r\nNb=1\r\n");
    GameList list;
    ASSERT_EQ(Load(list, c.favourites), 1);
    EXPECT_EQ(list.entries[0].fullName, c.kept);
    if (!c.favourites) {
      EXPECT_EQ(list.entries[0].infos1, c.kept);
    }
  }
}

TEST_F(GameListLoad, LfFilesReadLikeCrLf) {
  tmp.Write("lists/mame.txt", "[b]\nFullName=Bee\n[a]\nFullName=Ay\n");
  GameList list;
  ASSERT_EQ(Load(list), 2);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Ay", "Bee"}));
}

TEST_F(GameListLoad, BinaryGarbageDoesNotCrash) {
  std::string junk;
  for (int i = 0; i < 200000; ++i) junk.push_back(static_cast<char>((i * 2654435761u) >> 13));
  tmp.Write("lists/mame.txt", junk);
  tmp.Write("lists/mame.sta", junk);
  GameList list;
  int n = Load(list, true);
  EXPECT_GE(n, 0);
  for (const auto& e : list.entries) {
    EXPECT_LE(e.romName.size(), 99u);
    EXPECT_LE(e.sortKey.size(), 99u);
  }
}

// A list long enough to be read in two halves on two threads and in several 64 KB
// blocks: LF, CR LF and CR-only line ends mixed (a header after a bare CR is one the
// section scan does not see), "[" inside values, a line before the first header. Every
// way of choosing sections, loaded one after the other into the same table, must give
// the sections in file order with their own values.
TEST_F(GameListLoad, AListOfManyBlocksLoadsEverySectionWhole) {
  constexpr int kSections = 6000;
  auto name = [](int k) { return "g" + std::to_string(k); };
  auto fullName = [](int k) { return (k % 100 ? "Game number " : "Game [number] ") + std::to_string(k); };
  auto plays = [](int k) { return k % 5 == 0 ? 1 + k % 7 : 0; };
  std::string text = "; made by hand\r\n";
  std::string statistics;
  std::string filter;
  for (int k = 0; k < kSections; ++k) {
    const std::string eol = k >= 4500 && k < 4510 ? "\r" : k % 3 ? "\r\n" : "\n";
    text += "[" + name(k) + "]" + eol + "FullName=" + fullName(k) + eol + "Infos1=" + std::string(k % 17, 'x') + eol;
    if (plays(k)) statistics += "[" + name(k) + "]\r\nNb=" + std::to_string(plays(k)) + "\r\nNbScr=1\r\n";
    if (k % 3 == 0) filter += (k % 2 ? "G" : "g") + std::to_string(k) + "\r\n";
  }
  ASSERT_GT(text.size(), 3u * 65536u);
  tmp.Write("lists/mame.txt", text);
  tmp.Write("lists/mame.sta", statistics);
  EXPECT_EQ(CountLinesStartingWith(tmp / "lists/mame.txt", '['), static_cast<std::size_t>(kSections - 10));

  struct Way {
    const char* what;
    bool filter;
    bool favourites;
  };
  GameList list;
  for (const Way& way : {Way{"whole", false, false}, Way{"Liste.ini", true, false}, Way{"favourites", false, true},
                         Way{"whole again", false, false}}) {
    SCOPED_TRACE(way.what);
    if (way.filter) tmp.Write("config/mame/Liste.ini", filter);
    else std::filesystem::remove(tmp / "config/mame/Liste.ini");
    std::vector<int> kept;
    for (int k = 0; k < kSections; ++k)
      if ((!way.filter || k % 3 == 0) && (!way.favourites || plays(k))) kept.push_back(k);
    ASSERT_EQ(LoadGameList(list, Source(way.favourites)), static_cast<int>(kept.size()));
    ASSERT_EQ(list.entries.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const int k = kept[i];
      const GameEntry& e = list.entries[i];
      ASSERT_EQ(e.romName, name(k));
      ASSERT_EQ(e.fullName, fullName(k));
      ASSERT_EQ(e.infos1, std::string(k % 17, 'x'));
      ASSERT_EQ(e.sortKey, way.favourites ? std::to_string(99999 - plays(k)) + fullName(k) : "");
    }
  }
}

// A line of more than 500 bytes is cut after a whole character in either half of a long
// list: what follows the cut is the same next line (here a header) in both.
TEST_F(GameListLoad, TheSecondHalfOfALongListCutsLongLinesLikeTheFirst) {
  constexpr int kSections = 5000;
  // "Infos1=" and 492 bytes put the cut at 500 between the two bytes of the "é".
  const std::string longLine = "Infos1=" + std::string(492, 'x') + "\xC3\xA9[after]\r\n";
  std::string text;
  for (int k = 0; k < kSections; ++k) {
    text += "[g" + std::to_string(k) + "]\r\nFullName=Game " + std::to_string(k) + "\r\n";
    if (k == 100 || k == 4000) text += longLine;
  }
  tmp.Write("lists/mame.txt", text);
  GameList list;
  ASSERT_EQ(LoadGameList(list, Source()), kSections + 2);
  for (const std::size_t at : {101u, 4002u}) {
    SCOPED_TRACE(at);
    EXPECT_EQ(list.entries[at - 1].infos1, std::string(99, 'x'));
    EXPECT_EQ(list.entries[at].romName, "after");
  }
}

// What a loaded list keeps for each game: its texts and a few bytes, however often the
// list is loaded again into the same table.
TEST_F(GameListLoad, AGameHoldsItsTextsAndAFewBytes) {
  if (platform::HeapBytesInUse() == 0) GTEST_SKIP() << "the allocator does not tell";
  constexpr int kGames = 20000;
  constexpr std::size_t kTexts = 9 + 27 + 4 + 14 + 16;  // the texts of one game below
  std::string text;
  char section[200];
  for (int k = 0; k < kGames; ++k) {
    std::snprintf(section, sizeof section,
                  "[game%05d]\r\nFullName=Game %05d of the long list\r\nInfos1=%d\r\n"
                  "Infos2=h 256x224 60Hz\r\nInfos3=2P 2B 2C joy8way\r\n",
                  k, k, 1979 + k % 20);
    text += section;
  }
  tmp.Write("lists/mame.txt", text);
  const auto before = static_cast<std::int64_t>(platform::HeapBytesInUse());
  auto list = std::make_unique<GameList>();
  for (int load = 0; load < 4; ++load) ASSERT_EQ(Load(*list), kGames);
  const std::int64_t held = static_cast<std::int64_t>(platform::HeapBytesInUse()) - before;
  EXPECT_LT(held, std::int64_t{kGames} * static_cast<std::int64_t>(kTexts + 32));
  EXPECT_EQ(list->AtPosition(kGames - 1).fullName, "Game 19999 of the long list");
}

TEST_F(GameListLoad, ListsAndHistorySavedAsUtf8ShowTheirAccents) {
  tmp.Write("lists/mame.txt", "[pokemon]\r\nFullName=Pok\xC3\xA9mon \xE2\x80\x93 \xC3\x89" "dition\r\n");
  GameList list;
  ASSERT_EQ(Load(list), 1);
  EXPECT_EQ(list.entries[0].fullName, "Pok\xC3\xA9mon \xE2\x80\x93 \xC3\x89" "dition");
  tmp.Write("emu/history.dat", "$info=pokemon,\r\n$bio\r\n\r\nSorti en 1998, \xC3\xA0 Kyoto.\r\n$end\r\n");
  HistoryPanel panel;
  ASSERT_GT(LoadHistory(panel, tmp / "emu", 640, "pokemon"), 0);
  EXPECT_EQ(panel.text, "Sorti en 1998, \xC3\xA0 Kyoto.\r\n");
}

// A reload fills the previous load's records again: nothing of the old list may stay.
TEST_F(GameListLoad, AReloadKeepsNothingOfThePreviousList) {
  tmp.Write("lists/mame.txt",
            "[a]\r\nFullName=Alpha\r\nRomOf=p\r\nInfos1=1\r\nInfos2=2\r\nInfos3=3\r\n[b]\r\n[c]\r\nFullName=Gamma\r\n");
  tmp.Write("lists/mame.sta", "[c]\r\nNb=2\r\n[a]\r\nNb=1\r\n");
  GameList list;
  ASSERT_EQ(Load(list, true), 2);
  EXPECT_EQ(list.AtPosition(0).sortKey, "99997Gamma");
  tmp.Write("lists/mame.txt", "[b]\r\n[a]\r\nFullName=Other\r\n");
  ASSERT_EQ(Load(list), 2);
  ASSERT_EQ(list.entries.size(), 2u);
  for (const GameEntry& e : list.entries) {
    EXPECT_EQ(std::string(e.infos1) + std::string(e.infos2) + std::string(e.infos3) + std::string(e.romOf) + std::string(e.sortKey), "") << e.romName;
  }
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Other", "b"}));  // upper case first
}
