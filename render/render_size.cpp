#include "render/render_size.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace render {

RenderSize CappedRenderSize(int screenWidth, int screenHeight, int layoutWidth, int layoutHeight, int cap) {
  RenderSize size{std::max(1, screenWidth), std::max(1, screenHeight), 1, 1.0f};
  const int shortSide = std::min(size.width, size.height);
  if (cap <= 0 || shortSide <= cap) return size;
  // Integer arithmetic: the short side becomes the cap exactly, the long one is rounded.
  const auto scaled = [&](int side) {
    return int((std::int64_t(side) * cap * 2 + shortSide) / (std::int64_t(shortSide) * 2));
  };
  const int screenW = size.width, screenH = size.height;
  size.width = std::max(1, scaled(screenW));
  size.height = std::max(1, scaled(screenH));
  const int k = screenW / size.width;
  size.wholeFactor = (screenW == k * size.width && screenH == k * size.height) ? k : 0;
  size.layoutScale = LayoutScale(size.width, size.height, layoutWidth, layoutHeight);
  return size;
}

float LayoutScale(int backWidth, int backHeight, int layoutWidth, int layoutHeight) {
  if (layoutWidth <= backWidth && layoutHeight <= backHeight) return 1.0f;
  return std::min(float(backWidth) / float(std::max(1, layoutWidth)), float(backHeight) / float(std::max(1, layoutHeight)));
}

}  // namespace render
