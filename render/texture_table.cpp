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

void ClearTextures(TextureTable& table) {
  table.entries = {};
  table.useClock = 0;
}

void ReleaseSlotsBut(TextureTable& table, int kept) {
  for (int i = 0; i < kTextureSlotCount; ++i)
    if (i != kept) table.entries[static_cast<std::size_t>(i)] = {};
}

void ReleaseSlot(TextureTable& table, int slot) {
  if (TextureSlot* s = SlotAt(table, slot)) *s = {};
}

bool SlotLoaded(const TextureTable& table, int slot) {
  const TextureSlot* s = SlotAt(table, slot);
  return s && static_cast<bool>(s->texture);
}

}  // namespace render
