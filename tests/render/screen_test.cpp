#include "render/animations.h"
#include "render/render_state.h"
#include "render_fixture.h"

#include <cmath>
#include <utility>

using render::CrossFadeRunning;
using render::DrawFrame;
using render::LoadLayout;
using render::ReleaseAll;
using render::ReleaseMedia;
using render::SetDrawLock;
using render::SetRotation;
using render::UpdateAnimations;
using render::kBackGround;

namespace {

using render_test::Picture;
using render_test::RenderFixture;
using render_test::Solid;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0;
// 0xC0393939 over black.
constexpr std::uint32_t kShadow = 0x2B2B2B;

class ScreenTest : public RenderFixture {
 protected:
  void Background(int w, int h) {
    WriteLayout("RESOLUTIONX=" + std::to_string(w) + "\nRESOLUTIONY=" + std::to_string(h) +
                "\nBackGround_visible=YES");
    // Left half red, right half blue: turns show on the screen.
    WritePng("Templates/T/layout.png",
             Picture(w, h, [w](int x, int) { return x < w / 2 ? 0xFFFF0000u : 0xFF0000FFu; }));
  }
};

TEST_F(ScreenTest, SmallerLayoutIsCentredWithItsShadow) {
  Background(640, 480);
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(80, 60), kRed);
  EXPECT_PIXEL(Screen(79, 60), kBlack);
  EXPECT_PIXEL(Screen(80, 59), kBlack);
  EXPECT_PIXEL(Screen(719, 539), kBlue);
  // Shadow 600 / 50 = 12 pixels right and down, under the layout.
  EXPECT_PIXEL(Screen(720, 72), kShadow);
  EXPECT_PIXEL(Screen(731, 551), kShadow);
  EXPECT_PIXEL(Screen(720, 71), kBlack);
  EXPECT_PIXEL(Screen(732, 300), kBlack);
  EXPECT_PIXEL(Screen(91, 545), kBlack);
  EXPECT_PIXEL(Screen(92, 545), kShadow);
}

TEST_F(ScreenTest, LayoutAsLargeAsTheDisplayHasNoShadowAndNoOffset) {
  Background(800, 600);
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(0, 0), kRed);
  EXPECT_PIXEL(Screen(799, 599), kBlue);
  EXPECT_PIXEL(Screen(399, 300), kRed);
  EXPECT_PIXEL(Screen(400, 300), kBlue);
}

TEST_F(ScreenTest, RotationTwoIsUpsideDownAndOutOfRangeBecomesZero) {
  Background(800, 600);
  SetRotation(state.sources, 2);
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(0, 0), kBlue);
  EXPECT_PIXEL(Screen(799, 599), kRed);
  SetRotation(state.sources, 1);  // a quarter turn clockwise: the left half comes on top
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(400, 10), kRed);
  EXPECT_PIXEL(Screen(400, 590), kBlue);
  SetRotation(state.sources, 3);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(400, 10), kBlue);
  SetRotation(state.sources, 7);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_EQ(state.sources.rotation, 0);  // the value kept too
  EXPECT_PIXEL(Screen(0, 0), kRed);
  EXPECT_PIXEL(Screen(799, 0), kBlue);
}

TEST_F(ScreenTest, ZoomOutLastsOneSecondAndTurnsOnce) {
  Background(800, 600);
  Open(800, 600);
  state.clocks.fadeLevel = 1;
  state.clocks.fadeStep = -0.01f;
  state.clocks.fadeDelta = state.clocks.fadeStep;
  state.clocks.transition = {0, 10};
  float turned = 0;
  std::uint32_t t = 0;
  int frames = 0;
  for (; state.clocks.fadeDelta != 0 && t < 5000; t += 10) {
    UpdateAnimations(state, t);
    turned += state.clocks.fadeDelta;
    ASSERT_EQ(DrawFrame(state, 0), 1);
    ++frames;
    if (frames == 50) {
      // Half way: half the size, half a turn (upside down), centred.
      EXPECT_NEAR(state.clocks.fadeLevel, 0.5f, 0.02f);
      EXPECT_PIXEL(Screen(400 - 150, 300), kBlue);
      EXPECT_PIXEL(Screen(400 + 150, 300), kRed);
      EXPECT_PIXEL(Screen(50, 300), kBlack);
    }
  }
  EXPECT_EQ(frames, 100);
  EXPECT_NEAR(std::fabs(turned), 1.0f, 0.02f);  // one full turn
  EXPECT_EQ(state.clocks.fadeLevel, 0.0f);
  EXPECT_PIXEL(Screen(400, 300), kBlack);  // vanished
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_EQ(state.clocks.fadeLevel, 1.0f);  // and back at full size on the next frame
  EXPECT_PIXEL(Screen(0, 0), kRed);
}

TEST_F(ScreenTest, QuickZoomInAfterASwitchLastsAFifthOfASecond) {
  Background(800, 600);
  Open(800, 600);
  state.clocks.fadeLevel = 0;
  state.clocks.fadeStep = state.clocks.fadeDelta = 0.05f;
  state.clocks.transition = {1000, 10};
  int frames = 0;
  float turned = 0;
  for (std::uint32_t t = 1000; state.clocks.fadeDelta != 0 && t < 5000; t += 10) {
    UpdateAnimations(state, t);
    turned += state.clocks.fadeDelta;
    DrawFrame(state, 0);
    ++frames;
  }
  EXPECT_EQ(frames, 20);
  EXPECT_NEAR(turned, 1.0f, 0.01f);
  EXPECT_EQ(state.clocks.fadeLevel, 1.0f);
  EXPECT_EQ(state.screen.angle, 0.0f);
  // Frames drawn late catch up: 50 ms late is five steps at once.
  state.clocks.fadeLevel = 0.5f;
  state.clocks.fadeDelta = state.clocks.fadeStep = 0.01f;
  state.clocks.transition = {2000, 10};
  UpdateAnimations(state, 2040);
  EXPECT_NEAR(state.clocks.fadeDelta, 0.05f, 1e-6f);
}

TEST_F(ScreenTest, BackdropKeepsTheOldScreenUntilTheSwitchEnds) {
  Background(640, 480);
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 1), 1);  // before a switch: the screen goes into the backdrop
  state.layout.objects[kBackGround].visible = false;
  state.clocks.fadeLevel = 0.5f;  // mid-transition: the old screen shows around the layout
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(100, 80), kRed);

  // The old screen fills the display, the new layout is smaller: what shows around it is
  // the backdrop, red at the top left, until the slide show ends.
  Background(800, 600);
  ASSERT_EQ(LoadLayout(state, dir.path(), "cfg", "T"), 1);
  state.clocks.fadeLevel = 1;
  ASSERT_EQ(DrawFrame(state, 1), 1);
  Background(640, 480);
  ASSERT_EQ(LoadLayout(state, dir.path(), "cfg", "T"), 1);
  ASSERT_EQ(DrawFrame(state, 2), 1);  // end of a switch to a smaller layout: the backdrop is kept
  EXPECT_PIXEL(Screen(30, 30), kRed);
  ASSERT_EQ(DrawFrame(state, 3), 1);  // slide show ends: backdrop black
  EXPECT_PIXEL(Screen(30, 30), kBlack);
  ASSERT_EQ(DrawFrame(state, 0), 1);  // and it stays black
  EXPECT_PIXEL(Screen(30, 30), kBlack);
}

TEST_F(ScreenTest, SlidePictureCrossFadesOverTheLastScreen) {
  Background(800, 600);
  WritePng("slides/a.png", Solid(80, 60, 0xFF00FF00));
  bool offered = false;
  state.sources.pickSlide = [&] { return std::exchange(offered, true) ? std::string() : dir / "slides/a.png"; };
  Open(800, 600);
  ASSERT_EQ(DrawFrame(state, 0), 1);
  state.screen.slideShowActive = true;
  ASSERT_EQ(DrawFrame(state, 0), 1);
  // Alpha 15 of the new picture over the old screen.
  const std::uint32_t p = Screen(100, 300);
  EXPECT_GT((p >> 16) & 255, 200u);
  EXPECT_NEAR(int((p >> 8) & 255), 15, 4);
  EXPECT_TRUE(CrossFadeRunning(state));
  for (int i = 0; i < 17; ++i) DrawFrame(state, 0);
  EXPECT_PIXEL(Screen(100, 300), 0x00FF00);
  EXPECT_EQ(state.screen.crossFadeAlpha, 255);
  EXPECT_FALSE(CrossFadeRunning(state));
}

TEST_F(ScreenTest, NoFrameWhileLockedOrBeforeTheTemplateIsLoaded) {
  Background(800, 600);
  Open(800, 600);
  SetDrawLock(state, 1);
  EXPECT_EQ(DrawFrame(state, 0), 0);
  SetDrawLock(state, 0);
  EXPECT_EQ(DrawFrame(state, 0), 1);
  ReleaseMedia(state);
  EXPECT_EQ(DrawFrame(state, 0), 0);
}

TEST_F(ScreenTest, ShadowShowsOnlyBesideTheLayoutInBothWindowModes) {
  // Windowed, the layout's quad reaches one pixel further on each side and hides that
  // much more of the shadow; a layout laid translucent shows the shadow beneath.
  struct Case {
    bool windowed;
    int firstShadowX, firstShadowY;
  };
  for (const Case c : {Case{false, 720, 540}, Case{true, 721, 541}}) {
    SCOPED_TRACE(c.windowed ? "windowed" : "full screen");
    Background(640, 480);
    Open(800, 600, c.windowed);
    ASSERT_EQ(DrawFrame(state, 0), 1);
    EXPECT_PIXEL(Screen(c.firstShadowX - 1, 300), kBlue);
    EXPECT_PIXEL(Screen(c.firstShadowX, 300), kShadow);
    EXPECT_PIXEL(Screen(731, 551), kShadow);
    EXPECT_PIXEL(Screen(732, 551), kBlack);
    EXPECT_PIXEL(Screen(300, c.firstShadowY - 1), kRed);
    EXPECT_PIXEL(Screen(300, c.firstShadowY), kShadow);
    EXPECT_PIXEL(Screen(91, 551), kBlack);
    EXPECT_PIXEL(Screen(92, 551), kShadow);
    // A slide fading in: the layout is laid at alpha 15, over the shadow, not over black.
    WritePng("slides/a.png", Solid(64, 48, 0xFF0000FF));
    bool offered = false;
    state.sources.pickSlide = [&] { return std::exchange(offered, true) ? std::string() : dir / "slides/a.png"; };
    state.screen.slideShowActive = true;
    ASSERT_EQ(DrawFrame(state, 0), 1);
    EXPECT_GT(int((Screen(700, 500) >> 16) & 255), 10);
    state.sources.pickSlide = {};
    state.screen = {};
    ReleaseAll(state);
  }
}

TEST_F(ScreenTest, WhatAFrameNoLongerDrawsLeavesNothingBehind) {
  // The volume gauge of one frame is gone from the next, whether a background covers
  // the layout (it paints over the gauge) or only part of it (the layout is cleared).
  for (const int side : {200, 100}) {
    SCOPED_TRACE(side);
    WriteLayout("RESOLUTIONX=200\nRESOLUTIONY=200\nBackGround_visible=YES");
    WritePng("Templates/T/layout.png", Solid(side, side, 0xFFFF0000));
    Open(200, 200);
    state.frame.volumeGauge = 1000;
    ASSERT_EQ(DrawFrame(state, 0), 1);
    EXPECT_NE(Screen(100, 165), side == 200 ? kRed : kBlack);  // the gauge, bottom middle
    state.frame.volumeGauge.reset();
    ASSERT_EQ(DrawFrame(state, 0), 1);
    EXPECT_PIXEL(Screen(100, 165), side == 200 ? kRed : kBlack);
    ReleaseAll(state);
  }
}

}  // namespace
