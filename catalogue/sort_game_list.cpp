#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/game_list.h"
#include "catalogue/side_by_side.h"

namespace catalogue {

namespace {

// Below this many keys a second thread costs more than it saves.
constexpr std::size_t kTwoThreadsFrom = 4096;

// Sort keys replaced by their ranks: the quicksort below only compares keys, so equal
// ranks for equal keys and rank order for byte order give the very same display order,
// while each comparison becomes one integer compare. The ranks come from a sort by
// eight-byte slices: names sharing long beginnings ("Street Fighter II ...") are told
// apart slice by slice in one contiguous array instead of by memcmp through scattered
// strings.
class KeyRanks {
 public:
  // The keys are copied into one block first: the slice sort reaches them in sorted
  // order, and one block stays in the cache where 50,000 heap strings do not.
  explicit KeyRanks(const GameEntries& entries) {
    // Exactly: the block lives while the sort runs, and the process keeps its peak.
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) bytes += entries.SortKey(i).size();
    keys_.reserve(bytes);
    offsets_.resize(entries.size() + 1);
    items_.resize(entries.size());
    sameAsBefore_.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::string_view key = entries.SortKey(i);
      offsets_[i] = static_cast<std::uint32_t>(keys_.size());
      keys_ += key;
      items_[i] = {Slice(key, 0), static_cast<std::int32_t>(i), static_cast<std::uint32_t>(key.size())};
    }
    offsets_.back() = static_cast<std::uint32_t>(keys_.size());
    SortTopLevel();
  }

  // Each entry's rank: equal keys share one, and a greater key has a greater one.
  std::vector<std::int32_t> Ranks(std::int32_t& distinct) const {
    std::vector<std::int32_t> rank(items_.size());
    std::int32_t r = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (i > 0 && !sameAsBefore_[i]) ++r;
      rank[static_cast<std::size_t>(items_[i].index)] = r;
    }
    distinct = items_.empty() ? 0 : r + 1;
    return rank;
  }

 private:
  // 16 bytes, so that the sort moves little.
  struct Item {
    std::uint64_t slice = 0;  // eight bytes of the key from the current depth
    std::int32_t index = 0;
    std::uint32_t rest = 0;   // bytes of the key from the current depth on
  };

  std::string_view Text(std::int32_t index) const {
    const auto i = static_cast<std::size_t>(index);
    return std::string_view(keys_).substr(offsets_[i], offsets_[i + 1] - offsets_[i]);
  }

  // Eight bytes of the key from `from` as a big-endian number, zero past its end.
  static std::uint64_t Slice(std::string_view key, std::size_t from) {
    if (from + 8 <= key.size()) {
      std::uint64_t word;
      std::memcpy(&word, key.data() + from, 8);
      static_assert(std::endian::native == std::endian::little, "byte-swapped into big-endian");
      return __builtin_bswap64(word);
    }
    std::uint64_t v = 0;
    for (std::size_t i = from; i < from + 8; ++i) v = (v << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return v;
  }

  // Where the key ends, as far as one slice tells: 0-8 within it, 9 past it.
  static std::uint32_t Ends(const Item& item) { return std::min(item.rest, 9u); }

  // Large ranges are sorted by digits, least significant first, each pass keeping the
  // order of the one before: first where the key ends, then the slice's bytes from the
  // last. A pass whose digit is the same for every item is left out.
  static constexpr std::size_t kRadixFrom = 512;
  void RadixSort(std::size_t lo, std::size_t hi, std::vector<Item>& scratch) {
    const std::size_t n = hi - lo;
    constexpr std::size_t kDigits = 9;
    auto digit = [](const Item& item, std::size_t d) -> std::size_t {
      return d == 0 ? Ends(item) : (item.slice >> (8 * (d - 1))) & 0xFF;
    };
    std::vector<std::array<std::uint32_t, 256>> counts(kDigits, std::array<std::uint32_t, 256>{});
    for (std::size_t i = lo; i < hi; ++i)
      for (std::size_t d = 0; d < kDigits; ++d) ++counts[d][digit(items_[i], d)];
    scratch.resize(n);
    Item* from = items_.data() + lo;
    Item* to = scratch.data();
    for (std::size_t d = 0; d < kDigits; ++d) {
      std::array<std::uint32_t, 256>& count = counts[d];
      if (std::find(count.begin(), count.end(), n) != count.end()) continue;
      std::uint32_t start = 0;
      for (std::uint32_t& c : count) start += std::exchange(c, start);
      for (std::size_t i = 0; i < n; ++i) to[count[digit(from[i], d)]++] = from[i];
      std::swap(from, to);
    }
    if (from != items_.data() + lo) std::copy(from, from + n, items_.data() + lo);
  }

  // Sorts items_[lo, hi), whose keys agree on their first `depth` bytes, by the next
  // eight, then each run that still agrees by the bytes after those. Differing slices
  // decide like the bytes would (a zero pad only meets a real byte where the shorter key
  // ends); among equal slices the shorter rest comes first, as a prefix does, and keys
  // that end within the slice are then in order.
  void SortSlices(std::size_t lo, std::size_t hi, std::size_t depth, std::vector<Item>& scratch) {
    for (std::size_t i = lo; i < hi; ++i) {
      const std::string_view key = Text(items_[i].index);
      items_[i].slice = Slice(key, depth);
      items_[i].rest = static_cast<std::uint32_t>(key.size() - std::min(key.size(), depth));
    }
    OrderBySlice(lo, hi, scratch);
    ForEachOpenRun(lo, hi, [&](std::size_t from, std::size_t to) { SortSlices(from, to, depth + 8, scratch); });
  }

  // Orders items_[lo, hi) by their slices, and among equal slices by where the key ends.
  void OrderBySlice(std::size_t lo, std::size_t hi, std::vector<Item>& scratch) {
    if (hi - lo >= kRadixFrom) {
      RadixSort(lo, hi, scratch);
      return;
    }
    std::sort(items_.begin() + static_cast<std::ptrdiff_t>(lo), items_.begin() + static_cast<std::ptrdiff_t>(hi),
              [](const Item& a, const Item& b) { return a.slice != b.slice ? a.slice < b.slice : Ends(a) < Ends(b); });
  }

  // Walks the runs of equal slices in ordered items_[lo, hi): notes which settled keys
  // equal their neighbour and hands each run of two or more keys that go on past the
  // slice to `sortFurther`.
  template <class SortFurther>
  void ForEachOpenRun(std::size_t lo, std::size_t hi, SortFurther&& sortFurther) {
    for (std::size_t g = lo; g < hi;) {
      std::size_t e = g + 1;
      while (e < hi && items_[e].slice == items_[g].slice) ++e;
      // Keys that end within the slice come first and are settled; the rest go on.
      std::size_t open = g;
      while (open < e && items_[open].rest <= 8) {
        // Settled neighbours with the same slice and length are the same key.
        sameAsBefore_[open] = open > g && items_[open].rest == items_[open - 1].rest;
        ++open;
      }
      if (e - open > 1) sortFurther(open, e);
      g = e;
    }
  }

  // The first eight bytes order everything; the runs they leave share nothing, so a
  // large list's runs are sorted further in two shares of about equal size side by side.
  void SortTopLevel() {
    std::vector<Item> scratch;
    OrderBySlice(0, items_.size(), scratch);
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t total = 0;
    ForEachOpenRun(0, items_.size(), [&](std::size_t from, std::size_t to) {
      runs.emplace_back(from, to);
      total += to - from;
    });
    auto sortRuns = [this](std::span<const std::pair<std::size_t, std::size_t>> share, std::vector<Item>& buffer) {
      for (const auto& [from, to] : share) SortSlices(from, to, 8, buffer);
    };
    std::size_t cut = 0;
    for (std::size_t sum = 0; cut < runs.size() && 2 * sum < total; ++cut) sum += runs[cut].second - runs[cut].first;
    const std::span<const std::pair<std::size_t, std::size_t>> all(runs);
    if (total < kTwoThreadsFrom) {
      sortRuns(all, scratch);
      return;
    }
    std::vector<Item> otherScratch;
    RunSideBySide([&] { sortRuns(all.first(cut), scratch); }, [&] { sortRuns(all.subspan(cut), otherScratch); });
  }

  std::string keys_;
  std::vector<std::uint32_t> offsets_;  // entry i's key: keys_[offsets_[i], offsets_[i + 1])
  std::vector<Item> items_;
  std::vector<std::uint8_t> sameAsBefore_;  // by sorted position: the key equals the one before
};

class DisplaySorter {
 public:
  // Each position carries its entry's rank in the high half and the entry in the low
  // half, so a comparison reads the array being sorted and nothing else.
  DisplaySorter(std::vector<std::int32_t>& order, const std::vector<std::int32_t>& rank) : order_(order) {
    slots_.reserve(order_.size());
    for (const std::int32_t entry : order_)
      slots_.push_back(static_cast<std::uint64_t>(rank[static_cast<std::size_t>(entry)]) << 32 |
                       static_cast<std::uint32_t>(entry));
    wrongLeft_.resize(order_.size());
    wrongRight_.resize(order_.size());
  }
  ~DisplaySorter() {
    for (std::size_t p = 0; p < slots_.size(); ++p) order_[p] = static_cast<std::int32_t>(slots_[p] & 0xFFFFFFFFu);
  }

  // A large range's first partition leaves two halves that share nothing: they are
  // sorted side by side.
  void Sort(std::int32_t lo, std::int32_t hi) {
    if (std::int64_t{hi} - lo + 1 < static_cast<std::int64_t>(kTwoThreadsFrom) || AllEqual(lo, hi)) {
      SortRange(lo, hi);
      return;
    }
    const std::int32_t j = Partition(lo, hi);
    RunSideBySide([&] { SortRange(lo, j - 1); }, [&] { SortRange(j + 1, hi); });
  }

 private:
  // The middle-pivot quicksort, run with an explicit stack: the two halves of a
  // partition are independent, so the order of their treatment changes nothing, and a
  // list of many equal names cannot exhaust the call stack.
  void SortRange(std::int32_t lo, std::int32_t hi) {
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

  std::uint64_t& At(std::int32_t p) { return slots_[static_cast<std::size_t>(p)]; }
  std::uint32_t Key(std::int32_t p) { return static_cast<std::uint32_t>(At(p) >> 32); }

  // Hoare's scans swap the first element above the pivot's key from the left with the
  // first one at or below it from the right, then the second ones, until they cross:
  // exactly the elements on the wrong side of where the pivot ends, paired in that
  // order. Found with counts instead of branches, which a list of names mispredicts
  // half of the time.
  std::int32_t Partition(std::int32_t lo, std::int32_t hi) {
    const std::int32_t m = (lo + hi) / 2;
    const std::uint64_t pivot = At(m);
    const std::uint32_t pivotKey = static_cast<std::uint32_t>(pivot >> 32);
    At(m) = At(lo);
    At(lo) = pivot;
    std::int32_t atOrBelow = 0;
    for (std::int32_t p = lo + 1; p <= hi; ++p) atOrBelow += Key(p) <= pivotKey;
    const std::int32_t j = lo + atOrBelow;
    // The lists are kept within [lo, hi] of their buffers, so that partitions of
    // separate ranges never share a place.
    std::int32_t* const left = wrongLeft_.data() + lo + 1;
    std::int32_t* const right = wrongRight_.data() + j + 1;
    std::size_t above = 0;
    for (std::int32_t p = lo + 1; p <= j; ++p) {
      left[above] = p;
      above += Key(p) > pivotKey;
    }
    std::size_t below = 0;
    for (std::int32_t p = hi; p > j; --p) {
      right[below] = p;
      below += Key(p) <= pivotKey;
    }
    for (std::size_t k = 0; k < above; ++k) std::swap(At(left[k]), At(right[k]));
    At(lo) = At(j);
    At(j) = pivot;
    return j;
  }

  bool AllEqual(std::int32_t lo, std::int32_t hi) {
    const std::uint32_t k = Key(lo);
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
      const std::uint64_t pivot = At(m);
      At(m) = At(lo);
      At(lo) = At(hi);
      At(hi) = pivot;
      --hi;
    }
  }

  std::vector<std::int32_t>& order_;
  std::vector<std::uint64_t> slots_;
  std::vector<std::int32_t> wrongLeft_, wrongRight_;  // Partition's misplaced positions
};

// When no two entries of order[lo..hi] share a key, every sort gives the one order of
// their ranks, and a pass over the ranks puts them there without the quicksort. Returns
// false, with the order untouched, when some key repeats.
bool PlaceByDistinctRanks(std::vector<std::int32_t>& order, std::int32_t lo, std::int32_t hi,
                          const std::vector<std::int32_t>& rank, std::int32_t distinct) {
  std::vector<std::int32_t> byRank(static_cast<std::size_t>(distinct), -1);
  for (std::int32_t p = lo; p <= hi; ++p) {
    const std::int32_t entry = order[static_cast<std::size_t>(p)];
    std::int32_t& slot = byRank[static_cast<std::size_t>(rank[static_cast<std::size_t>(entry)])];
    if (slot >= 0) return false;
    slot = entry;
  }
  std::int32_t p = lo;
  for (const std::int32_t entry : byRank)
    if (entry >= 0) order[static_cast<std::size_t>(p++)] = entry;
  return true;
}

}  // namespace

void SortGameList(GameList& list, std::int32_t lo, std::int32_t hi) {
  if (lo < 0 || hi >= static_cast<std::int32_t>(list.displayOrder.size())) return;
  std::int32_t distinct = 0;
  const std::vector<std::int32_t> rank = KeyRanks(list.entries).Ranks(distinct);
  if (!PlaceByDistinctRanks(list.displayOrder, lo, hi, rank, distinct))
    DisplaySorter(list.displayOrder, rank).Sort(lo, hi);
}

}  // namespace catalogue
