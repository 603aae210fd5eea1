#include "platform/glyph_atlas.h"

#include "platform/font.h"
#include "platform/text.h"

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

TEST_F(GlyphAtlasTest, NamesInAnyScriptDrawFromTheFaceOrItsFallback) {
  const struct {
    const char* script;
    const char* name;
    int characters;  // all different
  } names[] = {
      {"Japanese", "\xE3\x83\x91\xE3\x83\x83\xE3\x82\xAF\xE3\x83\x9E\xE3\x83\xB3", 5},  // パックマン
      {"Chinese", "\xE4\xB8\x89\xE5\x9B\xBD\xE5\xBF\x97", 3},                              // 三国志
      {"Korean", "\xED\x85\x8C\xED\x8A\xB8\xEB\xA6\xAC\xEC\x8A\xA4", 4},                // 테트리스
      {"Cyrillic", "\xD0\xA2\xD0\xB5\xD1\x82\xD1\x80\xD0\xB8\xD1\x81", 6},              // Тетрис
      {"Greek", "\xCE\x91\xCF\x83\xCF\x84\xCE\xAD\xCF\x81\xCE\xB9", 6},                 // Αστέρι
  };
  const int line = atlas.LineHeight();
  for (const auto& n : names) {
    SCOPED_TRACE(n.script);
    // Each character takes room of its own, no wider than a square of the line height.
    const int width = atlas.TextWidth(n.name);
    EXPECT_GE(width, n.characters * line / 4);
    EXPECT_LE(width, n.characters * line * 5 / 4);
    device->Clear(0xFF000000);
    const long before = GlyphAtlas::RasterisedGlyphs();
    atlas.DrawLine(*device, n.name, 10, 20, 0xFFFFFFFF);
    EXPECT_EQ(GlyphAtlas::RasterisedGlyphs() - before, n.characters);
    const auto e = Extent();
    ASSERT_GE(e[0], 0) << "no ink";
    EXPECT_LE(e[0], 10 + line / 4);
    EXPECT_GE(e[1], 10 + width * 2 / 3);
    EXPECT_LE(e[1], 10 + width + line / 4);
    // On the line: the fallback face shares the baseline.
    EXPECT_GE(e[2], 20 - line / 4);
    EXPECT_LE(e[3], 20 + line + line / 4);
    int lit = 0;
    for (std::uint32_t p : device->ReadPixels(0, 0, 300, 100)) lit += (p & 0xFF) > 128;
    EXPECT_GT(lit, n.characters * line / 2);
    // Drawn again: nothing is rasterised twice.
    atlas.DrawLine(*device, n.name, 10, 20, 0xFFFFFFFF);
    EXPECT_EQ(GlyphAtlas::RasterisedGlyphs() - before, n.characters);
  }
  // A code point no face has (unassigned U+0378) draws nothing and takes no room.
  EXPECT_EQ(atlas.TextWidth("\xCD\xB8"), 0);
  EXPECT_EQ(atlas.TextWidth("A\xCD\xB8" "B"), atlas.TextWidth("AB"));
  device->Clear(0xFF000000);
  atlas.DrawLine(*device, "\xCD\xB8\xCD\xB8", 10, 20, 0xFFFFFFFF);
  EXPECT_EQ(Extent()[0], -1);
}

TEST_F(GlyphAtlasTest, ManyCodePointsFillPagesMadeOnTheWayWithinTheLimit) {
  // A thousand Hangul syllables: cells are reserved as they are met, pages are made as
  // the earlier ones fill up, and every glyph still draws from its own cell.
  constexpr int kCount = 1000;
  std::string text;
  for (char32_t cp = 0xAC00; cp < 0xAC00 + kCount; ++cp) platform::AppendUtf8(text, cp);
  const std::size_t chunk = 3 * 10;  // ten syllables fit the target
  for (std::size_t at = 0; at < text.size(); at += chunk) {
    device->Clear(0xFF000000);
    atlas.DrawLine(*device, std::string_view(text).substr(at, chunk), 0, 20, 0xFFFFFFFF);
    ASSERT_GE(Extent()[0], 0) << "syllable " << at / 3;
  }
  const std::size_t page = std::size_t(GlyphAtlas::kMaxPageSide) * GlyphAtlas::kMaxPageSide * 4;
  EXPECT_LE(atlas.TextureBytes(), 4 * page);
  // The first syllable, drawn again after all the others, still has its own picture.
  device->Clear(0xFF000000);
  const auto first = std::string_view(text).substr(0, 3);
  atlas.DrawLine(*device, first, 0, 20, 0xFFFFFFFF);
  const auto once = device->ReadPixels(0, 0, 300, 100);
  device->Clear(0xFF000000);
  atlas.DrawLine(*device, std::string_view(text).substr(3, 3), 0, 20, 0xFFFFFFFF);
  EXPECT_NE(device->ReadPixels(0, 0, 300, 100), once);
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
