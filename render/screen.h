// The screen: the layout target put on the display centred (with a drop shadow when
// smaller), turned by quarter turns, spun and zoomed during transitions, laid over the
// backdrop; the slide-show picture with its cross-fade.
#pragma once

#include <cstdint>

namespace render {

struct RenderState;

// Frame modes: 0 normal; 1 before a configuration switch (the screen is kept in the
// backdrop); 2 after it (the backdrop turns black when the layout fills the display in
// one direction); 3 when the slide show ends (black backdrop, nothing presented).
// 1 when a frame was drawn, 0 when skipped.
int DrawFrame(RenderState& rs, int mode);

// A slide is still fading in over the previous screen: the last frame showed it below
// full alpha (16 frames from its first, the 17th shows it whole).
bool CrossFadeRunning(RenderState& rs);

// A texture-table rectangle turned by the rotation's quarter turns, then scaled and
// spun by `angle` about (x + cx, y + cy).
// texelsW x texelsH: the part of the texture drawn (0: w x h texels, one per pixel).
void DrawQuadTransformed(RenderState& rs, int slot, float x, float y, float w, float h, float cx, float cy, float sx, float sy,
                         float angle, std::uint32_t colour, float e, float texelsW = 0, float texelsH = 0);

// The rotation of the render sources, 0-3.
int CurrentRotation(RenderState& rs);

}  // namespace render
