// Small clips made for the tests: frame i is filled with a colour of its own, so a test
// can tell which frame it was handed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/video_writer.h"

inline std::uint8_t ClipFrameRed(int index) { return std::uint8_t((index * 50) % 250); }

inline platform::ClipRecipe ColourClip(int width, int height, int frames, int fps = 25) {
  platform::ClipRecipe r;
  r.width = width;
  r.height = height;
  r.frames = frames;
  r.fps = fps;
  r.draw = [](int index, platform::Image& image) {
    for (std::size_t p = 0; p < image.rgba.size(); p += 4) {
      image.rgba[p] = ClipFrameRed(index);
      image.rgba[p + 1] = 128;
      image.rgba[p + 2] = 64;
      image.rgba[p + 3] = 255;
    }
  };
  return r;
}

inline std::vector<std::uint8_t> ColourClipBytes(const std::string& container, int frames = 10,
                                                 int width = 64, int height = 48) {
  auto bytes = platform::EncodeClip(ColourClip(width, height, frames), container);
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}
