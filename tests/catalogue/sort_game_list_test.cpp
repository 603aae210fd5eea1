#include <gtest/gtest.h>

#include <random>

#include "catalogue/game_list.h"

using catalogue::GameList;
using catalogue::SortGameList;

namespace {

GameList ListOfKeys(const std::vector<std::string>& keys) {
  GameList list;
  list.entries.reserve(keys.size());
  for (const auto& k : keys) list.entries.push_back({k, k, "", "", "", "", k});
  list.entryCount = static_cast<std::int32_t>(keys.size());
  for (std::int32_t i = 0; i < list.entryCount; ++i) list.displayOrder.push_back(i);
  return list;
}

std::vector<std::string> SortedKeys(const GameList& list) {
  std::vector<std::string> out;
  for (std::int32_t p = 0; p < list.entryCount; ++p) out.emplace_back(list.AtPosition(p).sortKey);
  return out;
}

// The procedure the display order has always come from, written plainly and recursively.
void ReferenceSort(GameList& l, int lo, int hi) {
  auto key = [&](int x) { return l.entries[l.displayOrder[x]].sortKey; };
  auto& d = l.displayOrder;
  if (hi <= lo) return;
  if (hi == lo + 1) {
    if (key(lo) > key(hi)) std::swap(d[lo], d[hi]);
    return;
  }
  int m = (lo + hi) / 2;
  int pivot = d[m];
  std::string pk(l.entries[pivot].sortKey);
  d[m] = d[lo];
  d[lo] = pivot;
  int i = lo + 1, j = hi;
  if (i < j) {
    for (;;) {
      while (key(i) <= pk && i < j) ++i;
      while (key(j) > pk) --j;
      if (i >= j) break;
      std::swap(d[i], d[j]);
    }
  }
  d[lo] = d[j];
  d[j] = pivot;
  ReferenceSort(l, lo, j - 1);
  ReferenceSort(l, j + 1, hi);
}

}  // namespace

TEST(SortGameList, OrdersBytesWithCaseAndPrefixesFirst) {
  GameList list = ListOfKeys({"sample game", "Zebra Run", "Sample Game", "Sample", "\xE9t\xE9", "abc"});
  SortGameList(list, 0, list.entryCount - 1);
  EXPECT_EQ(SortedKeys(list), (std::vector<std::string>{"Sample", "Sample Game", "Zebra Run", "abc",
                                                         "sample game", "\xE9t\xE9"}));
}

TEST(SortGameList, EqualKeysComeOutInTheClassicProcedureOrder) {
  std::mt19937 rng(5);
  for (int round = 0; round < 400; ++round) {
    const int n = 1 + static_cast<int>(rng() % 40);
    const int distinct = 1 + static_cast<int>(rng() % 5);
    std::vector<std::string> keys;
    for (int i = 0; i < n; ++i) keys.push_back(std::string(1, static_cast<char>('A' + rng() % distinct)));
    GameList ours = ListOfKeys(keys);
    GameList reference = ListOfKeys(keys);
    SortGameList(ours, 0, n - 1);
    ReferenceSort(reference, 0, n - 1);
    ASSERT_EQ(ours.displayOrder, reference.displayOrder) << "round " << round;
  }
}

// Keys that share long beginnings, differ only after many bytes, hold zero and high
// bytes or are prefixes of each other, sorted whole and in part: the same order as the
// procedure above.
TEST(SortGameList, LongSharedBeginningsSortLikeTheClassicProcedure) {
  std::mt19937 rng(11);
  const std::string stems[] = {"", "Street Fighter II: The World Warrior (", std::string(40, 'A'),
                               std::string("Z\0", 2), "\xFF\x80"};
  const char alphabet[] = {'\0', ' ', 'A', 'a', '\x7F', '\x80', '\xFF'};
  // The last rounds are long enough for the digit passes of large runs and for the two
  // threads a large sort takes.
  for (int round = 0; round < 304; ++round) {
    const int n = round < 300 ? 1 + static_cast<int>(rng() % 60) : 12000 + static_cast<int>(rng() % 4000);
    std::vector<std::string> keys;
    for (int i = 0; i < n; ++i) {
      std::string k = stems[rng() % 5];
      const std::size_t tail = rng() % 40;
      for (std::size_t c = 0; c < tail; ++c) k += alphabet[rng() % 7];
      keys.push_back(k);
    }
    const int lo = static_cast<int>(rng() % static_cast<unsigned>(n));
    const int hi = lo + static_cast<int>(rng() % static_cast<unsigned>(n - lo));
    for (const auto& [from, to] : {std::pair{0, n - 1}, std::pair{lo, hi}}) {
      GameList ours = ListOfKeys(keys);
      GameList reference = ListOfKeys(keys);
      SortGameList(ours, from, to);
      ReferenceSort(reference, from, to);
      ASSERT_EQ(ours.displayOrder, reference.displayOrder) << "round " << round << " from " << from;
    }
  }
}

TEST(SortGameList, ManyEqualNamesNeitherOverflowNorCrawl) {
  GameList list = ListOfKeys(std::vector<std::string>(200000, "Unknown"));
  SortGameList(list, 0, list.entryCount - 1);
  std::vector<bool> seen(200000, false);
  for (auto i : list.displayOrder) seen[static_cast<std::size_t>(i)] = true;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 200000);
}
