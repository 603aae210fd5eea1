// The layout pass: each visible object of the layout drawn into the layout target in
// draw order, and the history panel and volume gauge on top.
#pragma once

#include <cstdint>
#include <string_view>

namespace render {

struct RenderState;

// One picture of the texture table in a rectangle. Fit modes: 0 natural size from the
// top left, cropped (never enlarged); 1 fitted inside keeping proportions, centred;
// anything else stretched. e widens the quad on each side (0.5 full screen, 1 windowed);
// uo, vo shift the picture inside it (wrapping).
void DrawQuad(RenderState& rs, int slot, float x, float y, float w, float h, std::uint32_t colour, float z, float e, int mode,
              float uo, float vo);
void FillRect(RenderState& rs, float x, float y, float w, float h, float z, std::uint32_t colour);
void RectOutline(RenderState& rs, float x0, float y0, float x1, float y1, std::uint32_t colour);
// Text of a font index in a box: alignment 1 centred, 2 right, otherwise left.
void DrawTextBox(RenderState& rs, int x, int y, int w, int h, std::string_view text, int alignment, std::uint32_t colour,
                 int fontIndex);

void DrawListNames(RenderState& rs);
void DrawInfoText(RenderState& rs, int index);
void DrawHistoryPanel(RenderState& rs, int firstLine);
void DrawSearchLine(RenderState& rs, std::string_view line);
void DrawNotice(RenderState& rs, std::string_view line);
void DrawVolumeBar(RenderState& rs);
void DrawScrollTextObject(RenderState& rs);

// What of an object is drawn: the list's selection bar can be drawn apart from the rest of
// the list.
enum class ObjectPart { kWhole, kAllButSelection, kSelectionOnly };
// One layout object when visible (e as for DrawQuad).
void DrawLayoutObject(RenderState& rs, int index, float e, ObjectPart part);
// Every visible layout object in draw order.
void DrawLayoutPass(RenderState& rs, float e);
// The background picture will cover the whole layout with opaque pixels: clearing the
// layout first would be work that nothing shows.
bool BackgroundCoversLayout(RenderState& rs);
// The history panel when the sources hold a history text, the volume gauge when it is handed
// a value, the owner's notice when there is one.
void DrawOverlays(RenderState& rs);
bool OverlaysShown(RenderState& rs);

}  // namespace render
