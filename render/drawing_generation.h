// How many times what the layout is drawn from changed beyond what a frame reads afresh.
// Whoever changes the pictures, the fonts, the layout or the display only counts it; a
// cache of drawn pixels (the still layer) keeps the counts it was made at and so notices
// by itself that it is stale. The counts only ever go up, across resets too, so that a
// count kept from before a reset can never match again by chance.
#pragma once

#include <cstdint>

namespace render {

struct DrawingGeneration {
  // Pictures, fonts, the layout read, or the layout target drawn by something else.
  std::uint64_t content = 0;
  // The display's targets or device released or made again: textures made before are gone.
  std::uint64_t device = 0;
  bool operator==(const DrawingGeneration&) const = default;
};

void CountContentChange();
// Also a content change.
void CountDeviceChange();
DrawingGeneration CurrentDrawingGeneration();

}  // namespace render
