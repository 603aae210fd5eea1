// A layout larger than the screen is previewed scaled down to fit; the mouse still works in
// layout pixels. On a scaled (high-DPI) screen, `dpr` device pixels make one logical pixel:
// the percent counts layout pixels per device pixel, so 100 % is the cabinet's sharpness.
#pragma once

namespace cfg {

// The zoom, in whole percents, that shows a width x height layout inside an area of
// areaWidth x areaHeight logical pixels: 100 when it fits, the largest that fits
// otherwise, at least 1.
int FitPercent(int width, int height, int areaWidth, int areaHeight, double dpr = 1.0);

// The window's extent in logical pixels for a layout extent at `percent`: rounded up, so
// that a fractional ratio leaves at most one device pixel unused; at least 1.
int WindowExtent(int layoutExtent, int percent, double dpr);
// The device pixels the layout covers in the window at `percent`; at least 1.
int ShownExtent(int layoutExtent, int percent);

// The layout pixel under a device pixel at `percent`, and under a window point given in
// logical pixels.
int LayoutPixelOf(int devicePixel, int percent);
int LayoutPixelAt(double logical, int percent, double dpr);
// How many layout pixels around an edge one logical pixel covers (0 at one layout pixel
// per logical pixel or finer), so that every edge can still be caught.
int EdgeSlack(int percent, double dpr = 1.0);

}  // namespace cfg
