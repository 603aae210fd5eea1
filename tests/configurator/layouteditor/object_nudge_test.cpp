#include <gtest/gtest.h>

#include <tuple>

#include "configurator/layouteditor/object_nudge.h"
#include "configurator/layouteditor/preview_zoom.h"

using namespace cfg;

namespace {
constexpr int kEdCustom3 = kEdCustom1 + 2, kEdCustom4 = kEdCustom1 + 3, kEdCustom5 = kEdCustom1 + 4;
}  // namespace

// A 320 x 240 layout; the Snap starts at (left, top) with the size given.
TEST(ObjectNudge, MovesAndResizesWithinTheLayoutAndBackIntoIt) {
  const struct {
    int left, top, width, height, dx, dy;
    bool resize;
    int toLeft, toTop, toWidth, toHeight;
    bool changed;
  } cases[] = {
      {10, 20, 100, 80, 1, 0, false, 11, 20, 100, 80, true},
      {10, 20, 100, 80, -10, 10, false, 0, 30, 100, 80, true},     // stops at the left edge
      {0, 20, 100, 80, -1, 0, false, 0, 20, 100, 80, false},       // already there
      {215, 155, 100, 80, 10, 10, false, 220, 160, 100, 80, true},  // stops at the right and bottom
      {400, 300, 100, 80, 10, 1, false, 400, 300, 100, 80, false},  // outside: never further out
      {400, 300, 100, 80, -10, -10, false, 390, 290, 100, 80, true},  // but back in
      {-50, -5, 100, 80, 1, -1, false, -49, -5, 100, 80, true},
      {0, 0, 400, 80, 1, 0, false, 0, 0, 400, 80, false},  // wider than the layout: stays
      {10, 20, 100, 80, 10, -1, true, 10, 20, 110, 79, true},
      {10, 20, 3, 80, -10, 0, true, 10, 20, 2, 80, true},       // at least 2 wide
      {10, 20, 1, 80, -1, 0, true, 10, 20, 1, 80, false},       // already thinner: not shrunk
      {200, 20, 100, 80, 50, 0, true, 200, 20, 120, 80, true},  // up to the right edge
      {200, 20, 200, 80, 1, 0, true, 200, 20, 200, 80, false},  // past it: never wider
      {200, 20, 200, 80, -1, 0, true, 200, 20, 199, 80, true},
  };
  for (const auto& c : cases) {
    EditorLayout l;
    l.objects[kEdBackGround].width = 320;
    l.objects[kEdBackGround].height = 240;
    EditorObject& o = l.objects[kEdSnap];
    o.left = c.left;
    o.top = c.top;
    o.width = c.width;
    o.height = c.height;
    const bool changed = NudgeObject(l, kEdSnap, c.dx, c.dy, c.resize);
    EXPECT_EQ(std::make_tuple(o.left, o.top, o.width, o.height, changed),
              std::make_tuple(c.toLeft, c.toTop, c.toWidth, c.toHeight, c.changed))
        << &c - cases;
  }
  EditorLayout l;
  EXPECT_FALSE(NudgeObject(l, kEdBackGround, 1, 1, false));
  EXPECT_FALSE(NudgeObject(l, kEditorObjectCount, 1, 1, false));
}

TEST(ObjectNudge, TabWalksTheDrawOrderWithoutTheBackground) {
  EditorLayout l;
  // Custom6 drawn first, the Snap last, the background between Custom4 and Custom3.
  for (int i = 1; i < kEditorObjectCount; ++i) l.objects[i].order = 16 - i - (i >= kEdCustom4 ? 1 : 0);
  l.objects[kEdBackGround].order = 4;
  const struct {
    int selected;
    bool backward;
    int next;
  } cases[] = {{kEdCustom6, false, kEdCustom5}, {kEdCustom4, false, kEdCustom3},  // the background skipped
               {kEdSnap, false, kEdCustom6},    {kEdCustom6, true, kEdSnap},     // round at the ends
               {kEdCustom3, true, kEdCustom4},  {-1, false, kEdCustom6},
               {-1, true, kEdSnap},             {kEdBackGround, false, kEdCustom3}};
  for (const auto& c : cases) EXPECT_EQ(NextInDrawOrder(l, c.selected, c.backward), c.next) << &c - cases;
}

TEST(PreviewZoom, FitsTheLayoutAndMapsThePointerBack) {
  // Areas in logical pixels; on a scaled screen (dpr > 1) 100 % is one layout pixel per
  // device pixel, so the window is smaller in logical pixels and fits more.
  const struct {
    int width, height, areaWidth, areaHeight;
    double dpr;
    int percent, windowWidth, windowHeight;
  } fits[] = {{800, 600, 1024, 728, 1, 100, 800, 600},      {1920, 1080, 1024, 728, 1, 53, 1017, 572},
              {1080, 1920, 1920, 1040, 1, 54, 583, 1036},   {1920, 1080, 1920, 1040, 1, 96, 1843, 1036},
              {100000, 10, 10, 10, 1, 1, 1000, 1},          {0, 0, 1024, 728, 1, 100, 1, 1},
              {800, 600, 1024, 728, 2, 100, 400, 300},      {1920, 1080, 1280, 680, 2, 100, 960, 540},
              {3840, 2160, 1280, 680, 2, 62, 1190, 670},    {801, 601, 1024, 728, 2, 100, 401, 301},
              {800, 600, 1024, 728, 1.5, 100, 534, 400},    {1920, 1080, 1280, 680, 1.25, 78, 1198, 674},
              {800, 600, 1024, 728, 0, 100, 800, 600} /* no ratio reported: unscaled */};
  for (const auto& f : fits) {
    const int percent = FitPercent(f.width, f.height, f.areaWidth, f.areaHeight, f.dpr);
    EXPECT_EQ(std::make_tuple(percent, WindowExtent(f.width, percent, f.dpr), WindowExtent(f.height, percent, f.dpr)),
              std::make_tuple(f.percent, f.windowWidth, f.windowHeight))
        << &f - fits;
    EXPECT_LE(ShownExtent(f.height, percent), std::max(1.0, f.areaHeight * std::max(f.dpr, 1.0))) << &f - fits;
  }
  // Pointer positions arrive in logical pixels, possibly between device pixels.
  const struct {
    double window;
    int percent;
    double dpr;
    int layout, slack;
  } points[] = {{10, 100, 1, 10, 0},  {10, 50, 1, 20, 1},  {-1, 50, 1, -2, 1},    {7, 33, 1, 21, 3},
                {5, 1, 1, 500, 99},   {10, 100, 2, 20, 1}, {10.5, 100, 2, 21, 1}, {10, 50, 2, 40, 3},
                {-0.5, 100, 2, -1, 1}, {10, 100, 1.5, 15, 1}, {3, 100, 0.5, 1, 0} /* a ratio below 1 */};
  for (const auto& p : points)
    EXPECT_EQ(std::make_pair(LayoutPixelAt(p.window, p.percent, p.dpr), EdgeSlack(p.percent, p.dpr)),
              std::make_pair(p.layout, p.slack))
        << &p - points;
}
