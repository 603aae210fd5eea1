// Pictures are kept at the size they are drawn: the texture of a large picture in a small
// object holds the object's pixels, and draws what the full-size picture drew.
#include <cmath>

#include <chrono>
#include <thread>

#include "picture_files.h"
#include "platform/clock.h"
#include "render/picture_size.h"
#include "render/video_snap.h"
#include "render_fixture.h"
#include "video_clips.h"

using render::kSlotCustomTemplate1;
using render::kSlotSnap;
using render::kSnap;
using render::SlotAt;

namespace {

using render_test::Near;
using render_test::Picture;

// Smooth waves, no detail finer than a few pixels after reduction: there the renderer's
// own shrinking (a few samples a pixel) and the area average agree. (At a hard edge
// inside a pixel the average shows the mix where the renderer picks a side.)
platform::Image Waves(int w, int h) {
  return Picture(w, h, [w, h](int x, int y) {
    const auto r = std::uint32_t(128 + 100 * std::sin(x * 6.2832 / (w / 4.0)));
    const auto g = std::uint32_t(128 + 100 * std::cos(y * 6.2832 / (h / 3.0)));
    const auto b = std::uint32_t(128 + 100 * std::sin((x + 2 * y) * 6.2832 / (w / 3.0)));
    return 0xFF000000u | r << 16 | g << 8 | b;
  });
}

class PictureSizeTest : public render_test::RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    state.sources.picturesAtDrawnSize = true;
    AddGame("game", "Game");
  }
  // The snapshot object at (x, y), w x h, with a fit mode, on a display of 800 x 600.
  void OpenWithSnap(int x, int y, int w, int h, int mode, bool windowed = false, const std::string& extra = "") {
    state.layout.objects[kSnap].mediaDirectory = dir / "snap";
    WriteLayout("RESOLUTIONX=800\nRESOLUTIONY=600\nSnap_visible=YES\nSnap_left=" + std::to_string(x) +
                "\nSnap_top=" + std::to_string(y) + "\nSnap_width=" + std::to_string(w) + "\nSnap_height=" +
                std::to_string(h) + "\nSnap_Stretch=" + std::to_string(mode) + extra);
    Open(800, 600, windowed);
  }
  std::vector<std::uint32_t> ScreenRect(int x, int y, int w, int h) {
    Device().SetTarget(nullptr);
    return Device().ReadPixels(x, y, w, h);
  }
};

TEST_F(PictureSizeTest, KeptSizeFollowsTheObjectAndItsFit) {
  struct Case {
    const char* what;
    int pw, ph;           // the picture
    int ow, oh, mode;     // the object
    bool jpeg, windowed;
    int kw, kh;           // the texture kept
  } cases[] = {
      {"fitted, same proportions", 1600, 1200, 400, 300, 1, false, false, 400, 300},
      {"fitted, wide picture in a square", 1600, 900, 400, 400, 1, false, false, 400, 225},
      {"fitted, tall picture in a square", 900, 1600, 400, 400, 1, false, false, 225, 400},
      {"stretched: each axis to the object", 1600, 1200, 400, 100, 2, false, false, 400, 100},
      {"stretched: never enlarged on an axis", 300, 2000, 400, 400, 2, false, false, 300, 400},
      {"fitted: a small picture stays whole", 300, 200, 400, 400, 1, false, false, 300, 200},
      {"natural size shows pixels one for one", 1600, 1200, 400, 300, 0, false, false, 1600, 1200},
      {"windowed quads are a pixel wider each side", 1600, 1200, 400, 300, 1, false, true, 402, 302},
      {"JPEG decoded at an eighth", 1600, 1200, 200, 150, 1, true, false, 200, 150},
      {"JPEG at an eighth, then averaged", 1608, 1200, 200, 150, 2, true, false, 200, 150},
      {"JPEG wanted at full size", 640, 480, 640, 480, 1, true, false, 640, 480},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::Image image = render_test::Solid(c.pw, c.ph, 0xFF20A060);
    const std::string name = "snap/g" + std::to_string(n++);
    dir.Write(name + (c.jpeg ? ".jpg" : ".png"), c.jpeg ? render_test::JpegOf(image) : render_test::PngOf(image));
    games[0].romName = name.substr(5);
    OpenWithSnap(0, 0, c.ow, c.oh, c.mode, c.windowed);
    const render::TextureSlot& slot = *SlotAt(state.textures, kSlotSnap);
    ASSERT_TRUE(slot.texture);
    EXPECT_EQ(slot.texture.Width(), c.kw);
    EXPECT_EQ(slot.texture.Height(), c.kh);
    // The slot keeps the picture's own size: the fit is computed as before.
    EXPECT_EQ(slot.width, c.pw);
    EXPECT_EQ(slot.height, c.ph);
    render::ReleaseAll(state);
  }
  // The rule alone: several uses of one slot keep the largest; no use, the whole picture.
  EXPECT_EQ(render::KeptPictureSize({1000, 500}, {100, 100, 1}), (render::PictureSize{100, 50}));
  EXPECT_EQ(render::KeptPictureSize({1000, 500}, {0, 100, 2}), (render::PictureSize{1000, 500}));
}

TEST_F(PictureSizeTest, ReducedPictureDrawsLikeTheFullSizeOne) {
  dir.Write("snap/game.png", render_test::PngOf(Waves(1200, 900)));
  struct Case {
    int w, h, mode;
  } cases[] = {{300, 225, 1}, {300, 100, 2}, {160, 300, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " mode " + std::to_string(c.mode));
    std::vector<std::uint32_t> drawn[2];
    for (bool reduce : {false, true}) {
      state.sources.picturesAtDrawnSize = reduce;
      OpenWithSnap(50, 40, c.w, c.h, c.mode);
      EXPECT_EQ(SlotAt(state.textures, kSlotSnap)->texture.Width() < 1200, reduce);
      ASSERT_EQ(render::DrawFrame(state, 0), 1);
      drawn[reduce] = ScreenRect(50, 40, c.w, c.h);
      render::ReleaseAll(state);
    }
    ASSERT_EQ(drawn[0].size(), drawn[1].size());
    int worst = 0;
    for (std::size_t i = 0; i < drawn[0].size(); ++i)
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((drawn[0][i] >> shift) & 255) - int((drawn[1][i] >> shift) & 255)));
    EXPECT_LE(worst, 8);
  }
}

// A keyed template picture reduced: the see-through part lends no colour to the pixels it
// shares with the opaque part, which blend with what is under them.
TEST_F(PictureSizeTest, KeyedPixelsLendNoColourWhenReduced) {
  WritePng("Templates/T/layout.png", render_test::Solid(800, 600, 0xFFFF0000));
  // Black (the key) up to x = 404, green after: output column 50 covers 400 ... 408.
  WritePng("Templates/T/Custom1.png",
           Picture(800, 800, [](int x, int) { return x < 404 ? 0xFF000000u : 0xFF00FF00u; }));
  WriteLayout("RESOLUTIONX=800\nRESOLUTIONY=600\nBackGround_visible=YES\nBackGround_Ordre=1\nCustom1_visible=YES\n"
              "Custom1_left=0\nCustom1_top=0\nCustom1_width=100\nCustom1_height=100\nCustom1_Stretch=2");
  Open(800, 600);
  EXPECT_EQ(SlotAt(state.textures, kSlotCustomTemplate1)->texture.Width(), 100);
  ASSERT_EQ(render::DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(20, 50), 0xFF0000);
  EXPECT_PIXEL(Screen(80, 50), 0x00FF00);
  const std::uint32_t seam = Screen(50, 50);
  const int r = int(seam >> 16 & 255), g = int(seam >> 8 & 255), b = int(seam & 255);
  EXPECT_GE(r + g, 235) << render_test::Hex(seam);  // red under green, not darkened by the key
  EXPECT_GT(g, 60) << render_test::Hex(seam);
  EXPECT_LE(b, 10);
}

// A clip's frames in the snapshot object come at the size of the fitted rectangle (they
// keep their proportions); stretched, they keep the decoder's own limit.
TEST_F(PictureSizeTest, ClipFramesComeAtTheObjectsSize) {
  dir.Write("Videos/readme.txt", "");
  std::string error;
  ASSERT_TRUE(platform::WriteClipFile(dir / "Videos/game.mkv", ColourClip(320, 240, 25), &error)) << error;
  state.sources.videoDir = dir / "Videos";
  struct Case {
    int mode;
    int w, h;
  } cases[] = {{1, 80, 60}, {2, 320, 240}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    OpenWithSnap(0, 0, 80, 60, c.mode);
    const std::uint32_t start = platform::GetTickCount();
    while (!render::VideoSnapShown() && platform::GetTickCount() - start < 5000) {
      render::VideoSnapStep(state, platform::GetTickCount());
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(render::VideoSnapShown());
    const render::TextureSlot& slot = *SlotAt(state.textures, render::kSlotVideoSnap);
    EXPECT_EQ(slot.texture.Width(), c.w);
    EXPECT_EQ(slot.texture.Height(), c.h);
    EXPECT_EQ(slot.width, 320);
    render::StopVideoSnap(state);
    render::ReleaseAll(state);
  }
}

}  // namespace
