// search_presses LIST.txt: loads and sorts the list as the frontend does, then prints the
// median and the worst number of presses that select a title with the search ring: typing,
// closing, then Up or Down in the whole list. A title that typing leaves far from (a
// duplicate, a title that is the start of another one's word) may be cheaper one press
// beyond its neighbour's count, which the two passes at the end take.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "catalogue/game_list.h"
#include "frontend/shell/search_ring.h"

using shell::PressesToSelect;
using shell::SearchRing;

using catalogue::GameList;
using catalogue::GameListSource;
using catalogue::LoadGameList;
using catalogue::SortGameList;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: search_presses LIST.txt\n", stderr);
    return 1;
  }
  GameList list;
  const int n = LoadGameList(list, GameListSource{argv[1], "", "", false});
  if (n < 1) {
    std::fprintf(stderr, "no game in %s\n", argv[1]);
    return 1;
  }
  SortGameList(list, 0, n - 1);
  SearchRing ring(list);
  std::vector<int> presses;
  int unreachable = 0;
  for (std::int32_t title = 0; title < n; ++title) {
    const int p = PressesToSelect(ring, list, title);
    if (p < 0) ++unreachable;
    presses.push_back(p < 0 ? n : p);
  }
  for (std::size_t t = 1; t < presses.size(); ++t) presses[t] = std::min(presses[t], presses[t - 1] + 1);
  for (std::size_t t = presses.size() - 1; t-- > 0;) presses[t] = std::min(presses[t], presses[t + 1] + 1);
  std::vector<int> sorted = presses;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%d titles: median %d presses, worst %d; %d never reached by typing\n", n,
              sorted[sorted.size() / 2], sorted.back(), unreachable);
  return 0;
}
