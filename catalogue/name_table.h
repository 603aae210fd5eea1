// A table from names (compared without regard to ASCII case) to a number, for the list
// loader's filter and play counts. Open addressing over one small array: tens of
// thousands of lookups per load land in random places, and the slots must stay within
// the processor's cache for that to cost little. The names are views: the text they
// point into must outlive the table.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace catalogue {

class NameTable {
 public:
  explicit NameTable(std::size_t expected = 0);

  // Adds the name with its value unless the name is already there (the first one stays).
  void Insert(std::string_view name, std::int32_t value) { Insert(name, value, Hash(name)); }
  // The value of the name, or null when it is not in the table. Lookups only read, so
  // several threads may look up at once.
  const std::int32_t* Find(std::string_view name) const { return Find(name, Hash(name)); }

  // The same with the name's Hash computed beforehand, so that a caller can fetch the
  // slots of names it meets next into the cache while it works on the current one.
  static std::uint32_t Hash(std::string_view name);
  void Insert(std::string_view name, std::int32_t value, std::uint32_t hash);
  const std::int32_t* Find(std::string_view name, std::uint32_t hash) const;
  void Prefetch(std::uint32_t hash) const { __builtin_prefetch(&slots_[Home(hash)]); }
  std::size_t size() const { return items_.size(); }

 private:
  // 8 bytes: 75,000 slots for 50,000 names are 600 KB. The name itself is looked at only
  // when the hash matches.
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t item = 0;  // 1 + the index in items_; 0: free
  };
  struct Item {
    std::string_view name;
    std::int32_t value = 0;
  };
  // The hash scaled to the table, which then needs no power-of-two size.
  std::size_t Home(std::uint32_t hash) const {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * slots_.size()) >> 32);
  }
  std::size_t SlotOf(std::string_view name, std::uint32_t hash) const;
  void Resize(std::size_t slots);

  std::vector<Slot> slots_;
  std::vector<Item> items_;
};

}  // namespace catalogue
