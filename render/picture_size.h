// The size a picture is kept at: no larger than the rectangle it is drawn in on the
// layout target, so a 4K snapshot in a small object costs the object's pixels, not 33 MB.
#pragma once

#include <cstdint>
#include <optional>

namespace render {

struct RenderState;

struct PictureSize {
  int width = 0;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};

// Where a picture is drawn: the rectangle's size in target pixels and its fit mode
// (0 natural size cropped, 1 fitted inside keeping proportions, else stretched).
struct PictureUse {
  float width = 0;
  float height = 0;
  int mode = 0;
};

// How many target pixels one layout unit covers on each axis: every reduction goes
// through it, so a layout drawn smaller than its own resolution keeps smaller pictures.
float LayoutPixelScale(const RenderState& rs);

// The size a picture of `picture` pixels is kept at for one use: never larger than the
// picture; natural size (mode 0) keeps it whole, as it shows its pixels one for one;
// fitted keeps its proportions; stretched reduces each axis on its own.
PictureSize KeptPictureSize(PictureSize picture, const PictureUse& use);

// The size a texture slot's picture of `picture` pixels is kept at for every use the
// layout makes of that slot (the largest of them); the picture itself when a use shows
// it one for one or the slot has no known use.
PictureSize KeptSlotPictureSize(const RenderState& rs, int slot, PictureSize picture);

// The size a slot's picture must at least be decoded at to be kept as above, before its
// own size is known (the largest rectangle it is drawn in); nothing = whole.
std::optional<PictureSize> SlotDecodeFloor(const RenderState& rs, int slot);

// The most pixels a clip's frames need in a slot (they keep the clip's proportions):
// the fitted rectangle's area; 0 when a use stretches or shows them one for one, where
// an area would not bound both sides.
std::int64_t SlotClipPixels(const RenderState& rs, int slot);

}  // namespace render
