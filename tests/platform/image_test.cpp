#include <gtest/gtest.h>

#include "platform/image.h"

namespace {

platform::Image Gradient(int w, int h) {
  platform::Image img;
  img.width = w;
  img.height = h;
  img.rgba.resize(static_cast<std::size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &img.rgba[(static_cast<std::size_t>(y) * w + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 7);
      p[1] = static_cast<std::uint8_t>(y * 13);
      p[2] = static_cast<std::uint8_t>((x + y) * 3);
      p[3] = static_cast<std::uint8_t>(255 - x);
    }
  }
  return img;
}

TEST(ImagePng, RoundTrip) {
  const platform::Image img = Gradient(37, 21);
  const auto png = platform::EncodePng(img);
  ASSERT_FALSE(png.empty());
  std::string error;
  auto back = platform::DecodeImage(png, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->width, 37);
  EXPECT_EQ(back->height, 21);
  EXPECT_EQ(back->rgba, img.rgba);
}

}  // namespace
