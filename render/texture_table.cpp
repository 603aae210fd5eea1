#include "render/texture_table.h"

TextureTable gTextureTable;

TextureSlot* SlotAt(int slot) {
  if (slot < 0 || slot >= kTextureSlotCount) return nullptr;
  return &gTextureTable.slots[static_cast<std::size_t>(slot)];
}

bool SlotLoaded(int slot) {
  const TextureSlot* s = SlotAt(slot);
  return s && static_cast<bool>(s->texture);
}
