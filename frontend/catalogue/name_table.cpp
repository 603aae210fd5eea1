#include "frontend/catalogue/name_table.h"

#include "platform/text.h"

NameTable::NameTable(std::size_t expected) {
  std::size_t capacity = 16;
  while (capacity < expected * 2) capacity *= 2;
  slots_.resize(capacity);
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
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (!s.used() || (s.hash == hash && platform::EqualsNoCase(s.name, name))) return i;
  }
}

void NameTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& s : old)
    if (s.used()) slots_[SlotOf(s.name, s.hash)] = s;
}

void NameTable::Insert(std::string_view name, std::int32_t value) {
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  if (!name.data()) name = std::string_view("", 0);  // an empty name still marks its slot
  const std::uint32_t hash = Hash(name);
  Slot& s = slots_[SlotOf(name, hash)];
  if (s.used()) return;
  s = {name, hash, value};
  ++count_;
}

std::int32_t* NameTable::Find(std::string_view name) {
  Slot& s = slots_[SlotOf(name, Hash(name))];
  return s.used() ? &s.value : nullptr;
}
