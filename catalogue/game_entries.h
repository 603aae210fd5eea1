// The entries of a game list and the view of one entry that every reader gets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace catalogue {

// One entry's texts. A view: it stays valid while the list it came from neither loads
// again nor gets another entry (copy a text into a std::string to keep it longer).
struct GameEntry {
  std::string_view romName;   // RomName: the section name
  std::string_view fullName;  // FullName, or the ROM name when empty
  std::string_view infos1;    // Infos1
  std::string_view infos2;    // Infos2
  std::string_view infos3;    // Infos3
  std::string_view romOf;     // RomOf, at most 11 characters
  std::string_view sortKey;   // SortKey: what SortGameList orders by; empty: the full name
};

// What SortGameList orders the entry by. A plain list sorts by the full names themselves,
// so the loader keeps no second copy of each.
inline std::string_view SortKeyOf(const GameEntry& e) { return e.sortKey.empty() ? e.fullName : e.sortKey; }

// The entries of a list. Each entry's texts lie side by side in large blocks and the
// entry keeps where they start and their lengths: 16 bytes and its own text, where seven
// strings cost 224 bytes and a heap block for each text longer than 15 bytes. Emptying
// keeps the blocks, so that a reload writes into memory that is already there.
class GameEntries {
 public:
  class Iterator;

  GameEntries() = default;
  GameEntries(std::initializer_list<GameEntry> entries);
  GameEntries(GameEntries&&) noexcept = default;
  GameEntries& operator=(GameEntries&&) noexcept = default;

  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  GameEntry operator[](std::size_t i) const;
  // The entry's SortKeyOf, without the other texts.
  std::string_view SortKey(std::size_t i) const;
  Iterator begin() const;
  Iterator end() const;

  void reserve(std::size_t entries) { records_.reserve(entries); }
  // Adds a copy of the entry's texts; a text longer than 255 bytes loses what follows
  // (the loader's are at most 99).
  void push_back(const GameEntry& entry);
  void clear();
  // Moves the entries of `other` behind these, their texts with them; `other` is left
  // empty with its spare blocks.
  void Append(GameEntries&& other);
  // Hands half of the blocks these entries do not use to `other`, which fills them
  // instead of asking for new ones.
  void LendSpareBlocks(GameEntries& other);

 private:
  static constexpr std::size_t kTexts = 7;
  static constexpr std::size_t kLongestText = 255;
  static constexpr std::size_t kBlockSize = 64 * 1024;
  struct Record {
    const char* text = nullptr;               // the texts, one after the other in field order
    std::uint8_t lengths[kTexts] = {};
  };
  // Room for `bytes` more text in the current block, which moves to the next block (a
  // spare one, or a new one) when it is full.
  char* Room(std::size_t bytes);
  std::vector<Record> records_;
  std::vector<std::unique_ptr<char[]>> blocks_;  // [0, inUse_] hold texts, the rest are spare
  std::size_t inUse_ = 0;
  std::size_t used_ = 0;                         // bytes written in blocks_[inUse_]
};

class GameEntries::Iterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = GameEntry;
  using difference_type = std::ptrdiff_t;
  using pointer = void;
  using reference = GameEntry;

  Iterator() = default;
  Iterator(const GameEntries* entries, std::size_t i) : entries_(entries), i_(i) {}
  GameEntry operator*() const { return (*entries_)[i_]; }
  Iterator& operator++() {
    ++i_;
    return *this;
  }
  Iterator operator++(int) {
    Iterator before = *this;
    ++i_;
    return before;
  }
  bool operator==(const Iterator& other) const { return i_ == other.i_; }

 private:
  const GameEntries* entries_ = nullptr;
  std::size_t i_ = 0;
};

inline GameEntries::Iterator GameEntries::begin() const { return Iterator(this, 0); }
inline GameEntries::Iterator GameEntries::end() const { return Iterator(this, records_.size()); }

}  // namespace catalogue
