#include <gtest/gtest.h>

#include "platform/font.h"
#include "platform/text.h"

namespace {

std::string Base(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

TEST(FontResolution, MetricStandInsAndInstalledFaces) {
  EXPECT_EQ(Base(platform::ResolveFontFile("Arial", false, false)), "LiberationSans-Regular.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("arial", true, false)), "LiberationSans-Bold.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("Courier New", false, false)), "LiberationMono-Regular.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("Times New Roman", false, true)), "LiberationSerif-Italic.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("Liberation Sans", true, true)), "LiberationSans-BoldItalic.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("DejaVu Sans Mono", false, false)), "DejaVuSansMono.ttf");
}

TEST(FontResolution, UnknownFacesAndSystemBecomeTheBoldSystemFace) {
  EXPECT_EQ(Base(platform::ResolveFontFile("Zzyzx Display Pro", false, false)), "DejaVuSans-Bold.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("system", false, false)), "DejaVuSans-Bold.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("System", true, false)), "DejaVuSans-Bold.ttf");
  EXPECT_EQ(Base(platform::ResolveFontFile("", false, false)), "DejaVuSans-Bold.ttf");
}

TEST(FontOpen, LineHeightIsTheLargestNotAboveTheHeightAsked) {
  for (int h : {6, 10, 16, 23, 40, 97}) {
    auto font = platform::Font::Open({"Arial", h});
    ASSERT_TRUE(font) << h;
    const int line = font->LineHeight();
    EXPECT_LE(line, h) << h;
    EXPECT_GT(line, h * 3 / 4) << h;
    // Asking for exactly that height gives the same size, and one pixel less a smaller one:
    // no larger size fits.
    auto same = platform::Font::Open({"Arial", line});
    EXPECT_EQ(same->PointSize(), font->PointSize()) << h;
    auto less = platform::Font::Open({"Arial", line - 1});
    if (less) {
      EXPECT_LT(less->LineHeight(), line) << h;
    }
  }
  EXPECT_EQ(platform::Font::Open({"Arial", 0}), nullptr);
  auto huge = platform::Font::Open({"Arial", 1'000'000});
  ASSERT_TRUE(huge);
  EXPECT_LE(huge->LineHeight(), platform::kMaxFontPixelHeight);
  EXPECT_GT(huge->LineHeight(), platform::kMaxFontPixelHeight / 2);
}

TEST(FontOpen, AdvanceWidthsAndGlyphs) {
  auto font = platform::Font::Open({"Courier New", 20});
  ASSERT_TRUE(font);
  EXPECT_EQ(Base(font->ResolvedFile()), "LiberationMono-Regular.ttf");
  const auto& widths = font->AdvanceWidths();
  EXPECT_GT(widths['M'], 0);
  EXPECT_EQ(widths['M'], widths['i']);        // a fixed-pitch face
  EXPECT_EQ(widths[0xE9], widths['e']);       // e acute
  EXPECT_EQ(font->Advance(0x20AC), widths['M']);  // the euro sign
  for (unsigned char b : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x00, 0x0A}) {
    EXPECT_EQ(widths[b], 0) << int(b);
    EXPECT_TRUE(font->RenderGlyph(b).alpha.empty()) << int(b);
  }
  const platform::GlyphBitmap m = font->RenderGlyph('M');
  ASSERT_GT(m.width, 0);
  ASSERT_EQ(m.alpha.size(), static_cast<std::size_t>(m.width) * m.height);
  int covered = 0;
  for (auto a : m.alpha) covered += a > 128;
  EXPECT_GT(covered, 10);
  EXPECT_EQ(m.advance, widths['M']);
  const platform::GlyphBitmap space = font->RenderGlyph(' ');
  for (auto a : space.alpha) EXPECT_EQ(a, 0);
}

TEST(FontOpen, BoldItalicUnderline) {
  auto plain = platform::Font::Open({"Arial", 30});
  auto bold = platform::Font::Open({"Arial", 30, true});
  auto underline = platform::Font::Open({"Arial", 30, false, false, true});
  ASSERT_TRUE(plain && bold && underline);
  EXPECT_EQ(Base(bold->ResolvedFile()), "LiberationSans-Bold.ttf");
  auto ink = [](const platform::GlyphBitmap& g) {
    long sum = 0;
    for (auto a : g.alpha) sum += a;
    return sum;
  };
  EXPECT_GT(ink(bold->RenderGlyph('l')), ink(plain->RenderGlyph('l')));
  EXPECT_GT(ink(underline->RenderGlyph(' ')), 0);  // the underline is drawn under blanks too
}

}  // namespace
