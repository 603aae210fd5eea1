#include "platform/glyph_atlas.h"

#include "platform/font.h"

#include <gtest/gtest.h>

namespace {

using platform::Device;
using platform::GlyphAtlas;
using platform::TextAlign;

class GlyphAtlasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = Device::CreateOffscreen(300, 100, nullptr);
    ASSERT_TRUE(device);
    font = platform::Font::Open({"DejaVu Sans", 20, false, false, false});
    ASSERT_TRUE(font);
    atlas = GlyphAtlas::Build(*device, *font);
    ASSERT_TRUE(atlas);
    device->Clear(0xFF000000);
  }
  // Lit columns and rows of the target: {min x, max x, min y, max y}, or -1s.
  std::array<int, 4> Extent() {
    std::array<int, 4> e{-1, -1, -1, -1};
    auto px = device->ReadPixels(0, 0, 300, 100);
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 300; ++x)
        if ((px[std::size_t(y) * 300 + std::size_t(x)] & 0xFFFFFF) != 0) {
          if (e[0] < 0 || x < e[0]) e[0] = x;
          if (x > e[1]) e[1] = x;
          if (e[2] < 0) e[2] = y;
          e[3] = y;
        }
    return e;
  }
  std::unique_ptr<Device> device;
  std::unique_ptr<platform::Font> font;
  GlyphAtlas atlas;
};

TEST_F(GlyphAtlasTest, AlignmentPlacesTheTextAndTheBoxClipsIt) {
  const platform::FRect box{50, 20, 200, 60};
  const int width = atlas.TextWidth("HHHH");
  ASSERT_GT(width, 20);
  atlas.DrawBox(*device, box, "HHHH", TextAlign::kLeft, 0xFFFFFFFF);
  auto left = Extent();
  EXPECT_GE(left[0], 50);
  EXPECT_LE(left[0], 53);
  // Vertically centred: about as much room above as below.
  EXPECT_NEAR((left[2] - 20) - (80 - 1 - left[3]), 0, 8);
  device->Clear(0xFF000000);
  atlas.DrawBox(*device, box, "HHHH", TextAlign::kRight, 0xFFFFFFFF);
  auto right = Extent();
  EXPECT_GE(right[1], 250 - 4);
  EXPECT_LE(right[1], 249);
  device->Clear(0xFF000000);
  atlas.DrawBox(*device, box, "HHHH", TextAlign::kCentre, 0xFFFFFFFF);
  auto centre = Extent();
  EXPECT_NEAR((centre[0] + centre[1]) / 2, 150, 3);
  // A text longer than the box stays inside it.
  device->Clear(0xFF000000);
  atlas.DrawBox(*device, {50, 20, 60, 10}, "HHHHHHHHHHHHHHHHHHHHHHHHH", TextAlign::kLeft, 0xFFFFFFFF);
  auto clipped = Extent();
  EXPECT_GE(clipped[0], 50);
  EXPECT_LE(clipped[1], 109);
  EXPECT_GE(clipped[2], 20);
  EXPECT_LE(clipped[3], 29);
}

TEST_F(GlyphAtlasTest, SeveralLinesRunFromTheTopAndGlyphsAreRasterisedOnce) {
  const long before = GlyphAtlas::RasterisedGlyphs();
  atlas.DrawBox(*device, {0, 0, 300, 100}, "ab\r\ncd", TextAlign::kLeft, 0xFFFFFFFF);
  const long after = GlyphAtlas::RasterisedGlyphs();
  EXPECT_EQ(after - before, 4);
  auto e = Extent();
  EXPECT_LT(e[2], 10);
  EXPECT_GT(e[3], atlas.LineHeight());  // the second line is below the first
  atlas.DrawBox(*device, {0, 0, 300, 100}, "abcd dcba \xE9\xE9", TextAlign::kLeft, 0xFFFFFFFF);
  EXPECT_EQ(GlyphAtlas::RasterisedGlyphs() - after, 2);  // blank and e-acute only
  // Bytes without a character take no room.
  EXPECT_EQ(atlas.TextWidth("\x81\x8D"), 0);
}

TEST(GlyphAtlasTall, TallFontsDrawFromPagesWithinTheTextureLimitAndBoundedMemory) {
  auto device = Device::CreateOffscreen(900, 700, nullptr);
  ASSERT_TRUE(device);
  constexpr std::size_t kPage = std::size_t(GlyphAtlas::kMaxPageSide) * GlyphAtlas::kMaxPageSide * 4;
  struct Case {
    int height;
    const char* text;
    int litRowsAtLeast;
  } cases[] = {{300, "Wg", 150}, {2048, "W", 200}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    auto font = platform::Font::Open({"DejaVu Sans", c.height, false, false, false});
    ASSERT_TRUE(font);
    GlyphAtlas atlas = GlyphAtlas::Build(*device, *font);
    ASSERT_TRUE(atlas);
    device->Clear(0xFF000000);
    atlas.DrawLine(*device, c.text, 0, 0, 0xFFFFFFFF);
    // Only the pages of the glyphs drawn exist, each within the limit.
    EXPECT_GT(atlas.TextureBytes(), 0u);
    EXPECT_LE(atlas.TextureBytes(), 2 * kPage);
    const auto px = device->ReadPixels(0, 0, 900, 700);
    int litRows = 0;
    for (int y = 0; y < 700; ++y) {
      bool lit = false;
      for (int x = 0; x < 900 && !lit; ++x) lit = (px[std::size_t(y) * 900 + std::size_t(x)] & 0xFFFFFF) != 0;
      litRows += lit ? 1 : 0;
    }
    EXPECT_GE(litRows, c.litRowsAtLeast);
  }
}

}  // namespace
