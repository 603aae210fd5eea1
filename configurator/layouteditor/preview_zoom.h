// A layout larger than the screen is previewed scaled down to fit; the mouse still works in
// layout pixels.
#pragma once

namespace cfg {

// The zoom, in whole percents, that shows a width x height layout inside an area of
// areaWidth x areaHeight: 100 when it fits, the largest that fits otherwise, at least 1.
int FitPercent(int width, int height, int areaWidth, int areaHeight);

// The layout pixel under a window pixel at `percent`, and how many layout pixels around an
// edge one window pixel covers (0 at 100 %), so that every edge can still be caught.
int LayoutPixelOf(int windowPixel, int percent);
int EdgeSlack(int percent);

}  // namespace cfg
