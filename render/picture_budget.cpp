#include "render/picture_budget.h"

#include "render/display_state.h"
#include "render/layout_record.h"
#include "render/render_state.h"
#include "render/texture_table.h"
#include "platform/debug_log.h"

#include <string>

namespace render {

namespace {

std::int64_t Bytes(const platform::Texture& t) {
  return t ? std::int64_t(t.Width()) * std::int64_t(t.Height()) * 4 : 0;
}

// The releasable slot holding a texture that was used longest ago (not `except`); -1 if none.
int LeastRecentlyUsed(const TextureTable& table, int except) {
  int found = -1;
  for (int i = 0; i < kTextureSlotCount; ++i) {
    const TextureSlot& s = table.entries[static_cast<std::size_t>(i)];
    if (i == except || !s.texture || !s.fromPicture || !BudgetMayRelease(i)) continue;
    if (found < 0 || s.lastUse < table.entries[static_cast<std::size_t>(found)].lastUse) found = i;
  }
  return found;
}

}  // namespace

std::int64_t TextureBytes(const RenderState& rs) {
  std::int64_t total = Bytes(rs.display.backdrop);
  for (const TextureSlot& s : rs.textures.entries) total += Bytes(s.texture);
  return total;
}

bool BudgetMayRelease(int slot) {
  return slot == kSlotSlide || slot == kSlotSnap || slot == kSlotMarqueeMedia ||
         (slot >= kSlotCustomMedia1 && slot < kSlotCustomMedia1 + 6) ||
         (slot >= kSlotFirstLine && slot < kSlotFirstLine + kMaxListItems);
}

void MakeRoomForPicture(RenderState& rs, int slot, std::int64_t bytes) {
  const std::int64_t budget = rs.sources.pictureBudgetBytes;
  if (budget <= 0) return;
  std::int64_t held = TextureBytes(rs);
  while (held + bytes > budget) {
    const int victim = LeastRecentlyUsed(rs.textures, slot);
    if (victim < 0) return;  // only pictures that must stay: the new one goes above
    TextureSlot& s = rs.textures.entries[static_cast<std::size_t>(victim)];
    held -= Bytes(s.texture);
    s.texture.Reset();
    s.released = true;
    if (!rs.textures.budgetReported) {
      rs.textures.budgetReported = true;
      platform::WriteLog("Mémoire des images : plus de " + std::to_string(budget >> 20) +
                             " Mio (MemoireImages), les images affichées il y a le plus longtemps sont libérées",
                         1, 1);
    }
  }
}

void MarkPictureUsed(RenderState& rs, int slot) {
  if (TextureSlot* s = SlotAt(rs.textures, slot)) s->lastUse = ++rs.textures.useClock;
}

}  // namespace render
