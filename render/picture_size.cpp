#include "render/picture_size.h"

#include "render/layout.h"
#include "render/render_state.h"
#include "render/texture_table.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace render {

namespace {

int AtMost(int picture, float drawn) {
  return std::clamp(static_cast<int>(std::ceil(drawn - 1e-3f)), 1, std::max(picture, 1));
}

PictureUse ObjectUse(const RenderState& rs, int object, float scale) {
  const LayoutObject& o = rs.layout.objects[static_cast<std::size_t>(object)];
  return {float(o.width) * scale, float(o.height) * scale, o.stretch};
}

PictureUse ListLineUse(const RenderState& rs, int mode, float scale) {
  const LayoutObject& list = rs.layout.objects[kList];
  return {float(list.width) * scale, float(rs.layout.itemHeight) * scale, mode};
}

// Every rectangle the layout draws a slot's picture in (frame_composition.cpp, screen.cpp),
// as the layout gives it.
std::vector<PictureUse> LayoutUses(const RenderState& rs, int slot) {
  const float scale = LayoutPixelScale(rs);
  const LayoutObject& list = rs.layout.objects[kList];
  if (slot == kSlotSelection) return {ListLineUse(rs, 2, scale)};
  if (slot == kSlotListBackground) return {{float(list.width) * scale, float(list.height) * scale, 2}};
  if (slot == kSlotSlide) return {{float(rs.layout.Width()) * scale, float(rs.layout.Height()) * scale, 1}};
  if (slot == kSlotSnap || slot == kSlotMissingSnap || slot == kSlotVideoSnap) return {ObjectUse(rs, kSnap, scale)};
  if (slot == kSlotMarqueeMedia) return {ObjectUse(rs, kMarquee, scale)};
  if (slot == kSlotMissingMarquee) {
    // Also the picture of a list line whose game has none.
    if (rs.layout.listeImages) return {ObjectUse(rs, kMarquee, scale), ListLineUse(rs, list.stretch, scale)};
    return {ObjectUse(rs, kMarquee, scale)};
  }
  if (slot >= kSlotCustomTemplate1 && slot < kSlotCustomTemplate1 + 6)
    return {ObjectUse(rs, kCustom1 + slot - kSlotCustomTemplate1, scale)};
  if (slot >= kSlotCustomMedia1 && slot < kSlotCustomMedia1 + 6) return {ObjectUse(rs, kCustom1 + slot - kSlotCustomMedia1, scale)};
  if (slot >= kSlotFirstLine && slot < kSlotFirstLine + kMaxListItems) {
    if (rs.layout.listeImages) return {ListLineUse(rs, list.stretch, scale)};
    const float side = float(rs.layout.itemHeight) * scale;  // an icon
    return {{side, side, 1}};
  }
  return {};  // the background (natural size) and anything not drawn as a picture
}

// The same with the quads' margin: a windowed display widens each by a pixel on each side.
std::vector<PictureUse> SlotUses(const RenderState& rs, int slot) {
  std::vector<PictureUse> uses = LayoutUses(rs, slot);
  const float margin = rs.sources.modeFenetre ? 2.0f : 0.0f;
  for (PictureUse& use : uses) {
    use.width += margin;
    use.height += margin;
  }
  return uses;
}

}  // namespace

float LayoutPixelScale(const RenderState& /*rs*/) {
  // The layout is drawn one unit to one pixel of its target today.
  return 1.0f;
}

PictureSize KeptPictureSize(PictureSize picture, const PictureUse& use) {
  if (use.mode == 0 || picture.width <= 0 || picture.height <= 0 || use.width <= 0 || use.height <= 0) return picture;
  const float w = use.width, h = use.height;
  if (use.mode == 1) {
    const float scale = std::min(w / float(picture.width), h / float(picture.height));
    if (scale >= 1) return picture;
    return {AtMost(picture.width, float(picture.width) * scale), AtMost(picture.height, float(picture.height) * scale)};
  }
  return {AtMost(picture.width, w), AtMost(picture.height, h)};
}

PictureSize KeptSlotPictureSize(const RenderState& rs, int slot, PictureSize picture) {
  if (!rs.sources.picturesAtDrawnSize) return picture;
  const std::vector<PictureUse> uses = SlotUses(rs, slot);
  if (uses.empty()) return picture;
  PictureSize kept;
  for (const PictureUse& use : uses) {
    const PictureSize one = KeptPictureSize(picture, use);
    kept = {std::max(kept.width, one.width), std::max(kept.height, one.height)};
  }
  return kept;
}

std::optional<PictureSize> SlotDecodeFloor(const RenderState& rs, int slot) {
  if (!rs.sources.picturesAtDrawnSize) return std::nullopt;
  const std::vector<PictureUse> uses = SlotUses(rs, slot);
  if (uses.empty()) return std::nullopt;
  PictureSize floor;
  for (const PictureUse& use : uses) {
    if (use.mode == 0 || use.width <= 0 || use.height <= 0) return std::nullopt;
    floor = {std::max(floor.width, int(std::ceil(use.width))), std::max(floor.height, int(std::ceil(use.height)))};
  }
  return floor;
}

std::int64_t SlotClipPixels(const RenderState& rs, int slot) {
  if (!rs.sources.picturesAtDrawnSize) return 0;
  const std::vector<PictureUse> uses = SlotUses(rs, slot);
  std::int64_t most = 0;
  for (const PictureUse& use : uses) {
    if (use.mode != 1 || use.width <= 0 || use.height <= 0) return 0;
    most = std::max(most, std::int64_t(std::ceil(use.width)) * std::int64_t(std::ceil(use.height)));
  }
  return most;
}

}  // namespace render
