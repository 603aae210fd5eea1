// Pictures the benchmarks draw: a smooth gradient with some texture, different for each seed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/image.h"

namespace bench {

inline platform::Image Gradient(int w, int h, std::uint32_t seed) {
  platform::Image img{w, h, {}};
  img.rgba.resize(std::size_t(w) * std::size_t(h) * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &img.rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
      p[0] = std::uint8_t(x * 255 / w + seed);
      p[1] = std::uint8_t(y * 255 / h + seed * 3);
      p[2] = std::uint8_t((x ^ y) + seed * 7);
      p[3] = 255;
    }
  return img;
}

}  // namespace bench
