#include "render/texture_table.h"

namespace render {

TextureSlot* SlotAt(TextureTable& table, int slot) {
  if (slot < 0 || slot >= kTextureSlotCount) return nullptr;
  return &table.entries[static_cast<std::size_t>(slot)];
}

const TextureSlot* SlotAt(const TextureTable& table, int slot) {
  if (slot < 0 || slot >= kTextureSlotCount) return nullptr;
  return &table.entries[static_cast<std::size_t>(slot)];
}

bool SlotLoaded(const TextureTable& table, int slot) {
  const TextureSlot* s = SlotAt(table, slot);
  return s && static_cast<bool>(s->texture);
}

}  // namespace render
