// The picture memory budget: when a picture would take the textures above
// [General] MemoireImages, the game pictures drawn longest ago are let go first; the
// template's pictures, the layout target and the backdrop always stay. A picture let go
// is loaded again, from the same file, when it is next drawn.
#pragma once

#include <cstdint>

namespace render {

struct RenderState;

// Bytes held by the texture table and the backdrop (4 a pixel).
std::int64_t TextureBytes(const RenderState& rs);

// The selected game's pictures, the list lines' pictures and the slide show: the only
// slots the budget may let go.
bool BudgetMayRelease(int slot);

// Before `bytes` more go into `slot` (already emptied): lets go of the least recently
// used releasable pictures other than `slot` until they fit the budget or none is left.
// The log says so the first time in the run.
void MakeRoomForPicture(RenderState& rs, int slot, std::int64_t bytes);

// A slot loaded or drawn now: it becomes the most recently used.
void MarkPictureUsed(RenderState& rs, int slot);

}  // namespace render
