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
                                           "\xC9l\xE9vator Action", "Super Pac-Man"};
  const GameList list = ListOf(titles);
  const struct {
    const char* keys;
    const char* typed;
    const char* offered;
    char current;
    std::vector<std::int32_t> matches;
  } cases[] = {
      {"", "", "1aefimpsz", '1', {0, 1, 2, 3, 4, 5}},  // opens on the first offered
      {"d", "", "1aefimpsz", 'a', {0, 1, 2, 3, 4, 5}},
      {"u", "", "1aefimpsz", 'z', {0, 1, 2, 3, 4, 5}},  // round the ring
      {"uud", "", "1aefimpsz", 'z', {0, 1, 2, 3, 4, 5}},
      {"dddddr", "m", "a", 'a', {0, 4}},  // "Man" of both Pac-Man titles
      {"dddddrr", "ma", "n", 'n', {0, 4}},
      {"ddddddr", "p", "a", 'a', {0, 4}},
      {"ddddddrrrr", "pac-", "m", 'm', {0, 4}},  // signs are typed as they stand
      {"ddr", "e", "l", 'l', {1}},  // accents off
      {"dddddddr", "s", "tu", 't', {0, 3}},
      {"dddddddrdr", "su", "p", 'p', {0}},
      {"dddddddrdrl", "s", "tu", 't', {0, 3}},  // Left removes and re-opens the ring
      {"l", "", "1aefimpsz", '1', {0, 1, 2, 3, 4, 5}},  // nothing to remove
      {"rrrr", "1942", "", '\0', {2}},  // the end of a title: nothing left on offer
      {"rrrrr", "1942", "", '\0', {2}},
      {"ddddr", "i", "i", 'i', {3}},  // "II"
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
    char in;
    char out;
  } folds[] = {{'A', 'a'}, {'z', 'z'}, {'\xC0', 'a'}, {'\xE9', 'e'}, {'\xC7', 'c'}, {'\xF1', 'n'}, {'\xDF', 's'},
               {'\xD7', '\xD7'}, {'\xF7', '\xF7'}, {'\x8A', 's'}, {'\x9F', 'y'}, {'-', '-'}, {'9', '9'}};
  for (const auto& f : folds) EXPECT_EQ(FoldForSearch(f.in), f.out) << static_cast<int>(f.in);
  // Digits, then letters, then the other signs by byte value.
  SearchRing ring(ListOf({"b", "2", "!", "A", "0", "~", "\xFE"}));
  EXPECT_EQ(ring.offered(), "02abt!~");
  EXPECT_EQ(SearchRing(ListOf({})).offered(), "");
  EXPECT_EQ(SearchRing(ListOf({})).selection(), -1);
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
