// Solid-colour PNG files for tests that give a program pictures to show.
#pragma once

#include <cstdint>
#include <string>

#include "platform/image.h"

namespace testfiles {

inline std::string SolidPng(int w, int h, std::uint32_t rgb) {
  platform::Image image{w, h, {}};
  for (int i = 0; i < w * h; ++i)
    image.rgba.insert(image.rgba.end(), {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), 255});
  const auto png = platform::EncodePng(image);
  return std::string(png.begin(), png.end());
}

}  // namespace testfiles
