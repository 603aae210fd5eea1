#include <gtest/gtest.h>

#include "frontend/shell/search_ring.h"

using shell::FoldForSearch;
using shell::PressesToSelect;
using shell::SearchRing;

using catalogue::GameList;

namespace {

GameList ListOf(const std::vector<std::string>& titles) {
  GameList list;
  for (const std::string& t : titles) list.entries.push_back({t, t, "", "", "", "", t});
  list.entryCount = static_cast<std::int32_t>(titles.size());
  for (std::int32_t i = 0; i < list.entryCount; ++i) list.displayOrder.push_back(list.entryCount - 1 - i);
  return list;
}

// A key sequence: 'd' Down, 'u' Up, 'r' Right (append), 'l' Left (remove).
void Press(SearchRing& ring, std::string_view keys) {
  for (char k : keys) {
    if (k == 'd') ring.Turn(1);
    else if (k == 'u') ring.Turn(-1);
    else if (k == 'r') ring.Append();
    else if (k == 'l') ring.RemoveLast();
  }
}

}  // namespace

TEST(SearchRing, TypedSequencesGiveTheirRingAndSelection) {
  // Display order is the reverse of the entries: positions count from the last title.
  const std::vector<std::string> titles = {"Zaxxon", "Pac-Man", "Street Fighter II", "1942",
                                           "\xC3\x89l\xC3\xA9vator Action", "Super Pac-Man"};
  const GameList list = ListOf(titles);
  const struct {
    const char* keys;
    const char* typed;
    std::u32string offered;
    char32_t current;
    std::vector<std::int32_t> matches;
  } cases[] = {
      {"", "", U"1aefimpsz", U'1', {0, 1, 2, 3, 4, 5}},  // opens on the first offered
      {"d", "", U"1aefimpsz", U'a', {0, 1, 2, 3, 4, 5}},
      {"u", "", U"1aefimpsz", U'z', {0, 1, 2, 3, 4, 5}},  // round the ring
      {"uud", "", U"1aefimpsz", U'z', {0, 1, 2, 3, 4, 5}},
      {"dddddr", "m", U"a", U'a', {0, 4}},  // "Man" of both Pac-Man titles
      {"dddddrr", "ma", U"n", U'n', {0, 4}},
      {"ddddddr", "p", U"a", U'a', {0, 4}},
      {"ddddddrrrr", "pac-", U"m", U'm', {0, 4}},  // signs are typed as they stand
      {"ddr", "e", U"l", U'l', {1}},  // accents off
      {"dddddddr", "s", U"tu", U't', {0, 3}},
      {"dddddddrdr", "su", U"p", U'p', {0}},
      {"dddddddrdrl", "s", U"tu", U't', {0, 3}},  // Left removes and re-opens the ring
      {"l", "", U"1aefimpsz", U'1', {0, 1, 2, 3, 4, 5}},  // nothing to remove
      {"rrrr", "1942", U"", U'\0', {2}},  // the end of a title: nothing left on offer
      {"rrrrr", "1942", U"", U'\0', {2}},
      {"ddddr", "i", U"i", U'i', {3}},  // "II"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    SearchRing ring(list);
    Press(ring, c.keys);
    EXPECT_EQ(ring.typed(), c.typed);
    EXPECT_EQ(ring.offered(), c.offered);
    EXPECT_EQ(ring.current(), c.current);
    EXPECT_EQ(ring.matches(), c.matches);
    EXPECT_EQ(ring.selection(), c.matches.empty() ? -1 : c.matches.front());
  }
}

TEST(SearchRing, FoldingAndRingOrder) {
  const struct {
    char32_t in;
    char32_t out;
  } folds[] = {{'A', 'a'}, {'z', 'z'}, {0xC0, 'a'}, {0xE9, 'e'}, {0xC7, 'c'}, {0xF1, 'n'}, {0xDF, 's'},
               {0xD7, 0xD7}, {0xF7, 0xF7}, {0x160, 's'}, {0x178, 'y'}, {'-', '-'}, {'9', '9'},
               {0x391, 0x3B1}, {0x3A9, 0x3C9}, {0x416, 0x436}, {0x401, 0x451}, {0x65E5, 0x65E5}};
  for (const auto& f : folds) EXPECT_EQ(FoldForSearch(f.in), f.out) << static_cast<int>(f.in);
  // Digits, then letters, then the other characters by code point.
  SearchRing ring(ListOf({"b", "2", "!", "A", "0", "~", "\xC3\xBE", "\xE6\x97\xA5", "\xCE\xA9"}));
  EXPECT_EQ(ring.offered(), U"02abt!~\u03C9\u65E5");
  EXPECT_EQ(SearchRing(ListOf({})).offered(), U"");
  EXPECT_EQ(SearchRing(ListOf({})).selection(), -1);
}

TEST(SearchRing, TitlesInAnyScriptAreTypedACharacterAtATime) {
  // Display order reverses the entries: 0 "Ωmega", 1 "スー", 2 "スト".
  const GameList list = ListOf({"\xE3\x82\xB9\xE3\x83\x88", "\xE3\x82\xB9\xE3\x83\xBC", "\xCE\xA9mega"});
  SearchRing ring(list);
  EXPECT_EQ(ring.offered(), U"\u03C9\u30B9");
  Press(ring, "dr");
  EXPECT_EQ(ring.typed(), "\xE3\x82\xB9");
  EXPECT_EQ(ring.offered(), U"\u30C8\u30FC");
  EXPECT_EQ(ring.matches(), (std::vector<std::int32_t>{1, 2}));
  Press(ring, "dr");
  EXPECT_EQ(ring.typed(), "\xE3\x82\xB9\xE3\x83\xBC");
  EXPECT_EQ(ring.matches(), (std::vector<std::int32_t>{1}));
  Press(ring, "l");  // a whole character goes
  EXPECT_EQ(ring.typed(), "\xE3\x82\xB9");
  EXPECT_EQ(ring.matches(), (std::vector<std::int32_t>{1, 2}));
  Press(ring, "l");
  EXPECT_EQ(ring.typed(), "");
  // "スト": one turn and an append give "ス", then the first offered "ト".
  EXPECT_EQ(PressesToSelect(ring, list, 2), 5);
}

TEST(SearchRing, PressesCountTheShortestWay) {
  const GameList list = ListOf({"Zaxxon", "Pac-Man", "Street Fighter II", "1942", "Super Pac-Man"});
  SearchRing ring(list);
  // Position 0 is "Super Pac-Man": already first; open and close.
  EXPECT_EQ(PressesToSelect(ring, list, 0), 2);
  // "1942" (position 1): the ring "1fimpsz" opens on "1"; append.
  EXPECT_EQ(PressesToSelect(ring, list, 1), 3);
  // "Zaxxon" (position 4): Up once to "z", append.
  EXPECT_EQ(PressesToSelect(ring, list, 4), 4);
  // "Pac-Man" (position 3) comes after "Super Pac-Man" (position 0) for every prefix: "p"
  // (three turns the shorter way round "1fimpsz", append), close, three Down presses.
  EXPECT_EQ(PressesToSelect(ring, list, 3), 2 + 4 + 3);
  EXPECT_EQ(PressesToSelect(ring, list, 9), -1);
  EXPECT_EQ(ring.typed(), "");
}
