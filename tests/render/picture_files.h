// Picture files the picture-size and budget tests write: PNG through the platform's
// encoder, JPEG through libjpeg (the program itself never writes one).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/jpeg_file.h"
#include "platform/image.h"

namespace render_test {

inline std::string JpegOf(const platform::Image& image) {
  const std::vector<std::uint8_t> jpeg =
      test_jpeg::Encode(image.width, image.height, 3, JCS_RGB, 95, [&](int y, std::uint8_t* row) {
        const std::uint8_t* in = image.rgba.data() + std::size_t(y) * std::size_t(image.width) * 4;
        for (int x = 0; x < image.width; ++x)
          for (int k = 0; k < 3; ++k) row[std::size_t(x) * 3 + std::size_t(k)] = in[std::size_t(x) * 4 + std::size_t(k)];
      });
  return std::string(jpeg.begin(), jpeg.end());
}

inline std::string PngOf(const platform::Image& image) {
  const std::vector<std::uint8_t> png = platform::EncodePng(image);
  return std::string(png.begin(), png.end());
}

}  // namespace render_test
