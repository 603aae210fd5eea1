#include "catalogue/name_table.h"

#include <cstring>

#include "platform/text.h"

namespace catalogue {

namespace {
// Two slots for every three names: probes stay short and the array small.
std::size_t SlotsFor(std::size_t names) { return names + names / 2 + 16; }
}  // namespace

NameTable::NameTable(std::size_t expected) {
  slots_.resize(SlotsFor(expected));
  items_.reserve(expected);
}

namespace {

// Eight bytes with their ASCII capitals made small, all at once: each byte's low seven
// bits are compared with 'A' and 'Z' by additions whose carries stay within the byte.
std::uint64_t LowerAscii8(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = kOnes * 0x80;
  const std::uint64_t low7 = w & ~kHighs;
  const std::uint64_t atLeastA = low7 + kOnes * (0x80 - 'A');
  const std::uint64_t pastZ = low7 + kOnes * (0x80 - 'Z' - 1);
  const std::uint64_t capitals = atLeastA & ~pastZ & ~w & kHighs;
  return w | (capitals >> 2);
}

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  return h ^ (h >> 29);
}

}  // namespace

std::uint32_t NameTable::Hash(std::string_view name) {
  // Eight bytes a step: every name of a list and of its statistics is hashed once a load.
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ name.size();
  std::size_t i = 0;
  for (; i + 8 <= name.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, name.data() + i, 8);
    h = Mix(h ^ LowerAscii8(w));
  }
  std::uint64_t tail = 0;
  for (std::size_t k = 0; i + k < name.size(); ++k)
    tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(name[i + k])) << (8 * k);
  h = Mix(Mix(h ^ LowerAscii8(tail)) * 0x94D049BB133111EBull);
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

const std::int32_t* NameTable::Find(std::string_view name, std::uint32_t hash) const {
  const Slot& s = slots_[SlotOf(name, hash)];
  return s.item != 0 ? &items_[s.item - 1].value : nullptr;
}

}  // namespace catalogue
