// The layout pass: each visible object of the layout drawn into the layout target in
// draw order, and the history panel and volume gauge on top.
#pragma once

#include <cstdint>
#include <string_view>

namespace render {

// One picture of the texture table in a rectangle. Fit modes: 0 natural size from the
// top left, cropped (never enlarged); 1 fitted inside keeping proportions, centred;
// anything else stretched. e widens the quad on each side (0.5 full screen, 1 windowed);
// uo, vo shift the picture inside it (wrapping).
void DrawQuad(int slot, float x, float y, float w, float h, std::uint32_t colour, float z, float e, int mode,
              float uo, float vo);
void FillRect(float x, float y, float w, float h, float z, std::uint32_t colour);
void RectOutline(float x0, float y0, float x1, float y1, std::uint32_t colour);
// Text of a font index in a box: alignment 1 centred, 2 right, otherwise left.
void DrawTextBox(int x, int y, int w, int h, std::string_view text, int alignment, std::uint32_t colour,
                 int fontIndex);

void DrawListNames();
void DrawInfoText(int index);
void DrawHistoryPanel(int firstLine);
void DrawSearchLine(std::string_view line);
void DrawNotice(std::string_view line);
void DrawVolumeBar();
void DrawScrollTextObject();

// What of an object is drawn: the list's selection bar can be drawn apart from the rest of
// the list.
enum class ObjectPart { kWhole, kAllButSelection, kSelectionOnly };
// One layout object when visible (e as for DrawQuad).
void DrawLayoutObject(int index, float e, ObjectPart part);
// Every visible layout object in draw order.
void DrawLayoutPass(float e);
// The background picture will cover the whole layout with opaque pixels: clearing the
// layout first would be work that nothing shows.
bool BackgroundCoversLayout();
// The history panel when the sources hold a history text, the volume gauge when it is handed
// a value, the owner's notice when there is one.
void DrawOverlays();
bool OverlaysShown();

}  // namespace render
