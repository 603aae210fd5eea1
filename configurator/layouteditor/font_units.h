// The font chooser speaks in points, Layout.cfg and the cabinet in pixel heights.
#pragma once

namespace cfg {

// At `dotsPerInch` (the screen's, 96 on most), rounded to the nearest whole number.
int PixelsToPoints(int pixels, double dotsPerInch);
int PointsToPixels(int points, double dotsPerInch);

// The pixel height to store after the chooser was offered `pointsOffered` (the stored
// height converted) and answered `pointsChosen`: the stored height when the size was
// left as it was, so that looking at a font never changes it by rounding.
int ChosenPixelHeight(int storedPixels, int pointsOffered, int pointsChosen, double dotsPerInch);

}  // namespace cfg
