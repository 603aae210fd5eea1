// Reduction at load: every output pixel is the alpha-weighted mean of the area it covers.
#include <gtest/gtest.h>

#include <vector>

#include "platform/image.h"
#include "temp_dir.h"

namespace {

using Pixels = std::vector<std::uint32_t>;  // 0xAARRGGBB, row-major

platform::Image Of(int w, int h, const Pixels& argb) {
  platform::Image image{w, h, {}};
  for (std::uint32_t c : argb)
    image.rgba.insert(image.rgba.end(),
                      {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), std::uint8_t(c >> 24)});
  return image;
}

Pixels Argb(const platform::Image& image) {
  Pixels out;
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
    out.push_back(std::uint32_t(image.rgba[i + 3]) << 24 | std::uint32_t(image.rgba[i]) << 16 |
                  std::uint32_t(image.rgba[i + 1]) << 8 | image.rgba[i + 2]);
  return out;
}

Pixels Checker(int w, int h) {
  Pixels p;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.push_back((x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
  return p;
}

TEST(ReduceImage, AveragesTheCoveredAreaWeightedByAlpha) {
  struct Case {
    const char* what;
    int w, h;
    Pixels in;
    int ow, oh;       // asked
    int kw, kh;       // given
    Pixels out;
  } cases[] = {
      {"halves", 4, 1, {0xFF000000, 0xFF000000, 0xFFFF0000, 0xFFFF0000}, 2, 1, 2, 1, {0xFF000000, 0xFFFF0000}},
      {"a pixel shared between two", 3, 1, {0xFF000000, 0xFF5A0000, 0xFFB40000}, 2, 1, 2, 1, {0xFF1E0000, 0xFF960000}},
      // Five whites of nine, then four: the detail a renderer's few samples would lose.
      {"checker by three", 6, 6, Checker(6, 6), 2, 2, 2, 2, {0xFF717171, 0xFF8E8E8E, 0xFF8E8E8E, 0xFF717171}},
      {"a see-through pixel lends no colour", 2, 1, {0x00FF0000, 0xFF00FF00}, 1, 1, 1, 1, {0x8000FF00}},
      {"all see-through", 2, 1, {0x00FF0000, 0x0000FF00}, 1, 1, 1, 1, {0x00000000}},
      {"each axis on its own", 2, 2, {0xFF000000, 0xFFFF0000, 0xFF000000, 0xFFFF0000}, 2, 1, 2, 1,
       {0xFF000000, 0xFFFF0000}},
      {"never enlarged", 2, 1, {0xFF000000, 0xFFFF0000}, 4, 4, 2, 1, {0xFF000000, 0xFFFF0000}},
      {"nothing asked: unchanged", 2, 1, {0xFF000000, 0xFFFF0000}, 0, 1, 2, 1, {0xFF000000, 0xFFFF0000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::Image out = platform::ReduceImage(Of(c.w, c.h, c.in), c.ow, c.oh);
    EXPECT_EQ(out.width, c.kw);
    EXPECT_EQ(out.height, c.kh);
    EXPECT_EQ(Argb(out), c.out);
  }
}

// A PNG is reduced as its rows are decoded, its key applied first: the same pixels as the
// whole picture decoded, keyed and reduced. Other formats take the whole-picture path.
TEST(ReduceImage, PngRowsReduceAsTheWholePictureDoes) {
  TempDir dir;
  platform::Image image{301, 203, {}};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const bool key = (x / 7 + y / 5) % 3 == 0;
      image.rgba.insert(image.rgba.end(), {std::uint8_t(key ? 0 : x), std::uint8_t(key ? 0 : y),
                                           std::uint8_t(key ? 0 : (x * y) & 255), 255});
    }
  const std::vector<std::uint8_t> png = platform::EncodePng(image);
  const std::string path = dir.Write("p.png", std::string(png.begin(), png.end()));
  platform::Image expected = image;
  platform::ApplyColourKey(expected, 0);
  expected = platform::ReduceImage(expected, 100, 67);
  platform::PictureRequest request;
  request.colourKey = 0;
  request.keep = [](platform::ImageSize own) { return platform::ImageSize{own.width / 3, own.height / 3}; };
  platform::ImageSize own;
  const std::optional<platform::Image> got = platform::LoadPictureFile(path, request, nullptr, &own);
  ASSERT_TRUE(got);
  EXPECT_EQ(own.width, 301);
  EXPECT_EQ(own.height, 203);
  EXPECT_EQ(got->width, 100);
  EXPECT_EQ(got->height, 67);
  EXPECT_EQ(got->rgba, expected.rgba);
}

}  // namespace
