#include <string_view>
#include <utility>
#include <vector>

#include "frontend/catalogue/game_list.h"

namespace {

class DisplaySorter {
 public:
  explicit DisplaySorter(GameList& list) : order_(list.displayOrder) {
    keys_.reserve(list.entries.size());
    for (const GameEntry& e : list.entries) keys_.emplace_back(e.sortKey);
  }

  // The middle-pivot quicksort, run with an explicit stack: the two halves of a
  // partition are independent, so the order of their treatment changes nothing, and a
  // list of many equal names cannot exhaust the call stack.
  void Sort(std::int32_t lo, std::int32_t hi) {
    std::vector<std::pair<std::int32_t, std::int32_t>> pending{{lo, hi}};
    while (!pending.empty()) {
      auto [l, h] = pending.back();
      pending.pop_back();
      if (h <= l) continue;
      if (h == l + 1) {
        if (Key(l) > Key(h)) std::swap(At(l), At(h));
        continue;
      }
      if (AllEqual(l, h)) {
        RotateEqual(l, h);
        continue;
      }
      const std::int32_t j = Partition(l, h);
      pending.emplace_back(l, j - 1);
      pending.emplace_back(j + 1, h);
    }
  }

 private:
  std::int32_t& At(std::int32_t p) { return order_[static_cast<std::size_t>(p)]; }
  std::string_view Key(std::int32_t p) { return keys_[static_cast<std::size_t>(At(p))]; }

  std::int32_t Partition(std::int32_t lo, std::int32_t hi) {
    const std::int32_t m = (lo + hi) / 2;
    const std::int32_t pivot = At(m);
    const std::string_view pivotKey = keys_[static_cast<std::size_t>(pivot)];
    At(m) = At(lo);
    At(lo) = pivot;
    std::int32_t i = lo + 1;
    std::int32_t j = hi;
    if (i < j) {
      for (;;) {
        while (Key(i) <= pivotKey && i < j) ++i;
        while (Key(j) > pivotKey) --j;
        if (i >= j) break;
        std::swap(At(i), At(j));
      }
    }
    At(lo) = At(j);
    At(j) = pivot;
    return j;
  }

  bool AllEqual(std::int32_t lo, std::int32_t hi) {
    const std::string_view k = Key(lo);
    if (Key(hi) != k || Key((lo + hi) / 2) != k) return false;
    for (std::int32_t p = lo + 1; p < hi; ++p)
      if (Key(p) != k) return false;
    return true;
  }

  // What the partition steps do to a range of equal keys, without comparing: each
  // round the middle element goes to the end and the last one to the front.
  void RotateEqual(std::int32_t lo, std::int32_t hi) {
    while (hi - lo >= 2) {
      const std::int32_t m = (lo + hi) / 2;
      const std::int32_t pivot = At(m);
      At(m) = At(lo);
      At(lo) = At(hi);
      At(hi) = pivot;
      --hi;
    }
  }

  std::vector<std::int32_t>& order_;
  std::vector<std::string_view> keys_;
};

}  // namespace

void SortGameList(GameList& list, std::int32_t lo, std::int32_t hi) {
  if (lo < 0 || hi >= static_cast<std::int32_t>(list.displayOrder.size())) return;
  DisplaySorter(list).Sort(lo, hi);
}

void SortGameList(std::int32_t lo, std::int32_t hi) { SortGameList(gGameList, lo, hi); }
