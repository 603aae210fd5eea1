// The size a frame is composed at under the render size cap ([General] HauteurRendu): a big
// screen is drawn as a smaller one of the same shape and the finished frame scaled up once.
#pragma once

namespace render {

struct RenderSize {
  int width = 0, height = 0;  // the back buffer the frame is composed in
  // The screen is exactly this many times the back buffer in both directions (scaled
  // sharp, pixel for pixel); 0 when it is not a whole multiple (scaled smoothly).
  int wholeFactor = 1;
  // A layout larger than the back buffer is drawn this much smaller (1: at its own size).
  float layoutScale = 1.0f;
};

// The cap limits the screen's shorter side (1080 as in "1080p", the width of a vertical
// screen); 0 or a screen within the cap: the screen's own size, as without a cap. The
// back buffer keeps the screen's proportions and is never larger than the screen; a layout
// that does not fit in it is drawn at the largest size that does, its proportions kept.
RenderSize CappedRenderSize(int screenWidth, int screenHeight, int layoutWidth, int layoutHeight, int cap);

// The scale that fits a layout into a back buffer, its proportions kept; 1 when it fits.
float LayoutScale(int backWidth, int backHeight, int layoutWidth, int layoutHeight);

}  // namespace render
