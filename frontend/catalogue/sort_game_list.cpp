#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/catalogue/catalogue_state.h"
#include "frontend/catalogue/game_list.h"

namespace {

// Sort keys replaced by their ranks: the quicksort below only compares keys, so equal
// ranks for equal keys and rank order for byte order give the very same display order,
// while each comparison becomes one integer compare. The ranks come from a sort by
// 32-byte slices: names sharing long beginnings ("Street Fighter II ...") are told apart
// slice by slice in contiguous arrays instead of by memcmp through scattered strings.
class KeyRanks {
 public:
  // The keys are copied into one block first: the slice sort reaches them in sorted
  // order, and one block stays in the cache where 50,000 heap strings do not.
  explicit KeyRanks(const std::vector<GameEntry>& entries) {
    std::size_t total = 0;
    for (const GameEntry& e : entries) total += SortKeyOf(e).size();
    keys_.reserve(total);
    items_.resize(entries.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
      items_[i].index = static_cast<std::int32_t>(i);
      items_[i].offset = static_cast<std::uint32_t>(keys_.size());
      const std::string_view key = SortKeyOf(entries[i]);
      items_[i].length = static_cast<std::uint32_t>(key.size());
      keys_ += key;
    }
    SortSlices(0, items_.size(), 0);
  }

  std::vector<std::int32_t> Ranks() const {
    std::vector<std::int32_t> rank(items_.size());
    std::int32_t r = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (i > 0 && Text(items_[i]) != Text(items_[i - 1])) ++r;
      rank[static_cast<std::size_t>(items_[i].index)] = r;
    }
    return rank;
  }

 private:
  static constexpr std::size_t kSlices = 4;
  static constexpr std::size_t kSpan = kSlices * 8;

  struct Item {
    std::uint64_t slice[kSlices] = {};
    std::int32_t index = 0;
    std::uint32_t offset = 0;  // the key in keys_
    std::uint32_t length = 0;
  };

  std::string_view Text(const Item& item) const { return std::string_view(keys_).substr(item.offset, item.length); }

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

  static bool SlicesBefore(const Item& a, const Item& b) {
    for (std::size_t k = 0; k < kSlices; ++k)
      if (a.slice[k] != b.slice[k]) return a.slice[k] < b.slice[k];
    return false;
  }
  static bool SameSlices(const Item& a, const Item& b) { return !SlicesBefore(a, b) && !SlicesBefore(b, a); }

  // Sorts items_[lo, hi), whose keys agree on their first `depth` bytes, by the next
  // kSpan bytes, then each run that still agrees by the bytes after those. Differing
  // slices decide like the bytes would (a zero pad only meets a real byte where the
  // shorter key ends); keys whose slices agree to their ends are equal up to trailing
  // zero bytes, so the shorter one comes first, as a prefix does.
  void SortSlices(std::size_t lo, std::size_t hi, std::size_t depth) {
    bool longer = false;
    for (std::size_t i = lo; i < hi; ++i) {
      const std::string_view key = Text(items_[i]);
      for (std::size_t k = 0; k < kSlices; ++k) items_[i].slice[k] = Slice(key, depth + 8 * k);
      longer = longer || key.size() > depth + kSpan;
    }
    const auto first = items_.begin() + static_cast<std::ptrdiff_t>(lo);
    const auto last = items_.begin() + static_cast<std::ptrdiff_t>(hi);
    if (!longer) {
      std::sort(first, last, [](const Item& a, const Item& b) {
        for (std::size_t k = 0; k < kSlices; ++k)
          if (a.slice[k] != b.slice[k]) return a.slice[k] < b.slice[k];
        return a.length < b.length;
      });
      return;
    }
    std::sort(first, last, SlicesBefore);
    for (std::size_t g = lo; g < hi;) {
      std::size_t e = g + 1;
      while (e < hi && SameSlices(items_[e], items_[g])) ++e;
      if (e - g > 1) SortSlices(g, e, depth + kSpan);
      g = e;
    }
  }

  std::string keys_;
  std::vector<Item> items_;
};

class DisplaySorter {
 public:
  // Each position carries its entry's rank in the high half and the entry in the low
  // half, so a comparison reads the array being sorted and nothing else.
  explicit DisplaySorter(GameList& list) : order_(list.displayOrder) {
    const std::vector<std::int32_t> rank = KeyRanks(list.entries).Ranks();
    slots_.reserve(order_.size());
    for (const std::int32_t entry : order_)
      slots_.push_back(static_cast<std::uint64_t>(rank[static_cast<std::size_t>(entry)]) << 32 |
                       static_cast<std::uint32_t>(entry));
  }
  ~DisplaySorter() {
    for (std::size_t p = 0; p < slots_.size(); ++p) order_[p] = static_cast<std::int32_t>(slots_[p] & 0xFFFFFFFFu);
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
  std::uint64_t& At(std::int32_t p) { return slots_[static_cast<std::size_t>(p)]; }
  std::uint32_t Key(std::int32_t p) { return static_cast<std::uint32_t>(At(p) >> 32); }

  std::int32_t Partition(std::int32_t lo, std::int32_t hi) {
    const std::int32_t m = (lo + hi) / 2;
    const std::uint64_t pivot = At(m);
    const std::uint32_t pivotKey = static_cast<std::uint32_t>(pivot >> 32);
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
};

}  // namespace

void SortGameList(GameList& list, std::int32_t lo, std::int32_t hi) {
  if (lo < 0 || hi >= static_cast<std::int32_t>(list.displayOrder.size())) return;
  DisplaySorter(list).Sort(lo, hi);
}

void SortGameList(std::int32_t lo, std::int32_t hi) { SortGameList(gCatalogue.games, lo, hi); }
