#include "configurator/layouteditor/font_units.h"

#include <cmath>
#include <limits>

namespace cfg {
namespace {

constexpr double kPointsPerInch = 72.0;

int Rounded(double v) {
  if (!(v > 0)) return 0;
  return v >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(std::lround(v));
}

double Dpi(double dotsPerInch) { return dotsPerInch > 0 ? dotsPerInch : 96.0; }

}  // namespace

int PixelsToPoints(int pixels, double dotsPerInch) { return Rounded(pixels * kPointsPerInch / Dpi(dotsPerInch)); }

int PointsToPixels(int points, double dotsPerInch) { return Rounded(points * Dpi(dotsPerInch) / kPointsPerInch); }

int ChosenPixelHeight(int storedPixels, int pointsOffered, int pointsChosen, double dotsPerInch) {
  return pointsChosen == pointsOffered ? storedPixels : PointsToPixels(pointsChosen, dotsPerInch);
}

}  // namespace cfg
