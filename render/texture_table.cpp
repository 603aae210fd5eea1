#include "render/texture_table.h"

#include "render/render_state.h"

TextureSlot* SlotAt(int slot) {
  if (slot < 0 || slot >= kTextureSlotCount) return nullptr;
  return &gRender.textures.entries[static_cast<std::size_t>(slot)];
}

bool SlotLoaded(int slot) {
  const TextureSlot* s = SlotAt(slot);
  return s && static_cast<bool>(s->texture);
}
