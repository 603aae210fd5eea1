// Short clips made from drawn frames (MPEG-4 video, optional PCM sound): the demo's
// generated video snaps and the tests' clips. Encoded in memory, written atomically.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace platform {

struct ClipRecipe {
  int width = 64;
  int height = 48;
  int fps = 25;
  int frames = 10;
  // Fills frame `index` (width x height RGBA, alpha ignored).
  std::function<void(int index, Image& frame)> draw;
  std::vector<std::int16_t> sound;  // mono samples at soundRate; empty: no sound track
  int soundRate = 22050;
  bool video = true;                // false: a clip with only the sound track
};

// `container`: the file extension naming the container ("mp4", "mkv", "avi", "flv").
// Nothing when the libraries cannot encode it (*error says why).
std::optional<std::vector<std::uint8_t>> EncodeClip(const ClipRecipe& recipe,
                                                    const std::string& container,
                                                    std::string* error = nullptr);
bool WriteClipFile(const std::string& path, const ClipRecipe& recipe,
                   std::string* error = nullptr);

}  // namespace platform
