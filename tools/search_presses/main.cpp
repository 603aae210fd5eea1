// search_presses LIST.txt: loads and sorts the list as the frontend does, then prints the
// median and the worst number of presses that select a title with the search ring, and how
// many titles typing alone cannot make the first match (duplicates, a title that is the
// start of another one's word); for those, the Down presses after closing are added.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "frontend/catalogue/game_list.h"
#include "frontend/shell/search_ring.h"

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
    int p = PressesToSelect(ring, list, title);
    if (p < 0) ++unreachable;
    // Not first whatever is typed: selected as the title above it is, then Down after closing.
    if (p < 0 && title > 0) p = presses.back() + 1;
    presses.push_back(std::max(p, 0));
  }
  std::vector<int> sorted = presses;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%d titles: median %d presses, worst %d; %d not first by typing alone\n", n,
              sorted[sorted.size() / 2], sorted.back(), unreachable);
  return 0;
}
