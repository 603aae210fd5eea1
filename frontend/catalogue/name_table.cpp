#include "frontend/catalogue/name_table.h"

#include "platform/text.h"

namespace {
// Two slots for every three names: probes stay short and the array small.
std::size_t SlotsFor(std::size_t names) { return names + names / 2 + 16; }
}  // namespace

NameTable::NameTable(std::size_t expected) {
  slots_.resize(SlotsFor(expected));
  items_.reserve(expected);
}

std::uint32_t NameTable::Hash(std::string_view name) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a over the lower-case bytes
  for (char c : name) {
    h ^= static_cast<unsigned char>(platform::ToLowerAscii(c));
    h *= 1099511628211ull;
  }
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

std::size_t NameTable::SlotOf(std::string_view name, std::uint32_t hash) const {
  for (std::size_t i = Home(hash);;) {
    const Slot& s = slots_[i];
    if (s.item == 0 || (s.hash == hash && platform::EqualsNoCase(items_[s.item - 1].name, name))) return i;
    if (++i == slots_.size()) i = 0;
  }
}

void NameTable::Resize(std::size_t slots) {
  std::vector<Slot> old(slots);
  old.swap(slots_);
  for (const Slot& s : old)
    if (s.item != 0) slots_[SlotOf(items_[s.item - 1].name, s.hash)] = s;
}

void NameTable::Insert(std::string_view name, std::int32_t value, std::uint32_t hash) {
  if (SlotsFor(items_.size() + 1) > slots_.size()) Resize(2 * SlotsFor(items_.size() + 1));
  Slot& s = slots_[SlotOf(name, hash)];
  if (s.item != 0) return;
  items_.push_back({name, value});
  s = {hash, static_cast<std::uint32_t>(items_.size())};
}

std::int32_t* NameTable::Find(std::string_view name, std::uint32_t hash) {
  const Slot& s = slots_[SlotOf(name, hash)];
  return s.item != 0 ? &items_[s.item - 1].value : nullptr;
}
