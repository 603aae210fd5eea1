// Scrolling Custom pictures: each axis with a speed moves its texture offset one layout
// pixel per period, wrapping inside the picture's rectangle.
#pragma once

#include <cstdint>

namespace render {

struct RenderState;

// Period of a scroll speed: (11 - |s|) * 10 - 5 ms; speeds beyond 10 act as 10.
std::uint32_t PictureScrollPeriod(float speed);
// Restarts the scroll clocks of the visible Custom pictures (after every layout load).
void InitPictureScroll(RenderState& rs);
void InitPictureScroll(RenderState& rs, std::uint32_t now);
// Advances every due picture scroll clock.
void StepPictureScroll(RenderState& rs, std::uint32_t now);

}  // namespace render
