// A table from names (compared without regard to ASCII case) to a number, for the list
// loader's filter and play counts. Open addressing over one array: tens of thousands of
// lookups per load stay inside the cache instead of chasing list nodes. The names are
// views: the text they point into must outlive the table.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class NameTable {
 public:
  explicit NameTable(std::size_t expected = 0);

  // Adds the name with its value unless the name is already there (the first one stays).
  void Insert(std::string_view name, std::int32_t value);
  // The value of the name, or null when it is not in the table.
  std::int32_t* Find(std::string_view name);
  std::size_t size() const { return count_; }

 private:
  // 24 bytes: a 50,000-name table is 3 MB that the loader fills once. A slot is free
  // while its name has no data pointer.
  struct Slot {
    std::string_view name;
    std::uint32_t hash = 0;
    std::int32_t value = 0;
    bool used() const { return name.data() != nullptr; }
  };
  static std::uint32_t Hash(std::string_view name);
  std::size_t SlotOf(std::string_view name, std::uint32_t hash) const;
  void Grow();

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};
