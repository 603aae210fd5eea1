// The render size cap on a whole frame: a big screen shows the frame of a smaller one
// scaled up, and a layout larger than the cap shows whole, drawn smaller.
#include "render_fixture.h"

#include <string>

namespace {

using render::DrawFrame;
using render_test::Near;
using render_test::Picture;
using render_test::RenderFixture;

class RenderCapTest : public RenderFixture {
 protected:
  // The screen of `screenW` x `screenH` composed at `backW` x `backH`, as read after a frame.
  std::vector<std::uint8_t> Frame(int backW, int backH, int screenW, int screenH) {
    render::ResetRenderState(state);
    SetUp();
    state.sources.outputWidth = screenW == backW ? 0 : screenW;
    state.sources.outputHeight = screenH == backH ? 0 : screenH;
    Open(backW, backH);
    EXPECT_EQ(DrawFrame(state, 0), 1);
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgba = Device().ReadScreenRgba(&w, &h);
    EXPECT_EQ(w, screenW);
    EXPECT_EQ(h, screenH);
    return rgba;
  }
  static std::uint32_t At(const std::vector<std::uint8_t>& rgba, int width, int x, int y) {
    const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    return std::uint32_t(rgba[i]) << 16 | std::uint32_t(rgba[i + 1]) << 8 | rgba[i + 2];
  }
};

TEST_F(RenderCapTest, CappedBigScreenShowsTheSmallScreensFrameScaledTwice) {
  // A layout smaller than the screen (centred, with its shadow), a picture with fine detail
  // and a text list: everything a frame draws.
  WriteLayout("RESOLUTIONX=1280\nRESOLUTIONY=720\nBackGround_visible=YES\n"
              "List_visible=YES\nList_left=40\nList_top=40\nList_width=600\nList_height=400\nList_NbItems=5\n"
              "List_font_sizey=40\nList_selection_alpha=255");
  WritePng("Templates/T/layout.png", Picture(1280, 720, [](int x, int y) {
             return 0xFF000000u | std::uint32_t((x * 7) & 255) << 16 | std::uint32_t((y * 3) & 255) << 8 |
                    std::uint32_t(((x ^ y) & 1) * 255);
           }));
  for (int i = 0; i < 8; ++i) AddGame("g" + std::to_string(i), "Game number " + std::to_string(i));
  const std::vector<std::uint8_t> small = Frame(1920, 1080, 1920, 1080);
  const std::vector<std::uint8_t> big = Frame(1920, 1080, 3840, 2160);
  ASSERT_EQ(small.size(), std::size_t(1920) * 1080 * 4);
  ASSERT_EQ(big.size(), std::size_t(3840) * 2160 * 4);
  int differing = 0;
  for (int y = 0; y < 2160; ++y)
    for (int x = 0; x < 3840; ++x)
      if (!Near(At(big, 3840, x, y), At(small, 1920, x / 2, y / 2), 2)) ++differing;
  EXPECT_EQ(differing, 0);
}

TEST_F(RenderCapTest, LayoutLargerThanTheCapShowsWholeDrawnSmaller) {
  // Four quadrants: red, green / blue, white.
  WriteLayout("RESOLUTIONX=3840\nRESOLUTIONY=2160\nBackGround_visible=YES");
  WritePng("Templates/T/layout.png", Picture(3840, 2160, [](int x, int y) {
             if (y < 1080) return x < 1920 ? 0xFFFF0000u : 0xFF00FF00u;
             return x < 1920 ? 0xFF0000FFu : 0xFFFFFFFFu;
           }));
  const std::vector<std::uint8_t> screen = Frame(1920, 1080, 3840, 2160);
  ASSERT_EQ(screen.size(), std::size_t(3840) * 2160 * 4);
  const struct {
    int x, y;
    std::uint32_t colour;
  } probes[] = {{0, 0, 0xFF0000},       {1900, 20, 0xFF0000},   {1940, 20, 0x00FF00}, {3839, 0, 0x00FF00},
                {0, 2159, 0x0000FF},    {1900, 1100, 0x0000FF}, {3839, 2159, 0xFFFFFF}, {2000, 1200, 0xFFFFFF}};
  for (const auto& p : probes)
    EXPECT_TRUE(Near(At(screen, 3840, p.x, p.y), p.colour)) << p.x << "," << p.y << ": " << render_test::Hex(At(screen, 3840, p.x, p.y));
}

}  // namespace
