#include "configurator/layouteditor/preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace cfg {
namespace {

// A ratio Qt reports as 0 or less (no screen) counts as an unscaled one.
double Ratio(double dpr) { return dpr > 0.0 && std::isfinite(dpr) ? dpr : 1.0; }

// The device pixels of a logical extent, rounded down (what truly fits).
long long DeviceExtent(int logical, double dpr) { return (long long)std::floor(logical * Ratio(dpr) + 1e-9); }

}  // namespace

int FitPercent(int width, int height, int areaWidth, int areaHeight, double dpr) {
  long long percent = 100;
  const long long w = DeviceExtent(areaWidth, dpr), h = DeviceExtent(areaHeight, dpr);
  if (width > 0 && w > 0) percent = std::min(percent, 100LL * w / width);
  if (height > 0 && h > 0) percent = std::min(percent, 100LL * h / height);
  return int(std::max(percent, 1LL));
}

int ShownExtent(int layoutExtent, int percent) {
  return int(std::max(1LL, (long long)std::max(layoutExtent, 0) * std::clamp(percent, 1, 100) / 100));
}

int WindowExtent(int layoutExtent, int percent, double dpr) {
  return int(std::max(1.0, std::ceil(ShownExtent(layoutExtent, percent) / Ratio(dpr) - 1e-9)));
}

int LayoutPixelOf(int devicePixel, int percent) {
  const long long p = std::max(percent, 1);
  const long long scaled = 100LL * devicePixel;
  // Rounded down, also left of or above the window.
  return int(scaled >= 0 ? scaled / p : -((-scaled + p - 1) / p));
}

int LayoutPixelAt(double logical, int percent, double dpr) {
  const double device = std::floor(logical * Ratio(dpr) + 1e-9);
  return LayoutPixelOf(int(std::clamp(device, -1e9, 1e9)), percent);
}

int EdgeSlack(int percent, double dpr) {
  const double covered = 100.0 * Ratio(dpr) / std::clamp(percent, 1, 100);
  return std::max(0, int(std::ceil(covered - 1e-9)) - 1);
}

}  // namespace cfg
