// Template pictures for the widget tests: solid PNG files.
#pragma once

#include <cstdint>
#include <string>

#include "platform/image.h"

namespace uitest {

inline std::string SolidPng(int w, int h, std::uint32_t rgb) {
  platform::Image image{w, h, {}};
  for (int i = 0; i < w * h; ++i)
    image.rgba.insert(image.rgba.end(), {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), 255});
  const auto png = platform::EncodePng(image);
  return std::string(png.begin(), png.end());
}

}  // namespace uitest
