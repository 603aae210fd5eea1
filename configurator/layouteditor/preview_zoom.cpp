#include "configurator/layouteditor/preview_zoom.h"

#include <algorithm>

namespace cfg {

int FitPercent(int width, int height, int areaWidth, int areaHeight) {
  long long percent = 100;
  if (width > 0 && areaWidth > 0) percent = std::min(percent, 100LL * areaWidth / width);
  if (height > 0 && areaHeight > 0) percent = std::min(percent, 100LL * areaHeight / height);
  return int(std::max(percent, 1LL));
}

int LayoutPixelOf(int windowPixel, int percent) {
  const long long p = std::max(percent, 1);
  const long long scaled = 100LL * windowPixel;
  // Rounded down, also left of or above the window.
  return int(scaled >= 0 ? scaled / p : -((-scaled + p - 1) / p));
}

int EdgeSlack(int percent) {
  const int p = std::clamp(percent, 1, 100);
  return (100 + p - 1) / p - 1;
}

}  // namespace cfg
