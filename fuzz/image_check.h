// What every picture decoder promises for any bytes: a picture of the size it claims,
// within the caps, or a refusal.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "fuzz_input.h"
#include "platform/image.h"

namespace fuzz {

using Decoder = std::optional<platform::Image> (*)(std::span<const std::uint8_t>, std::string&);

inline int CheckDecoder(Decoder decode, const std::uint8_t* data, std::size_t size) {
  std::string error;
  const auto image = decode(std::span<const std::uint8_t>(data, size), error);
  if (!image) return 0;
  Require(image->width > 0 && image->height > 0 && image->width <= platform::kMaxImageSide &&
          image->height <= platform::kMaxImageSide);
  Require(image->rgba.size() == std::size_t(image->width) * std::size_t(image->height) * 4);
  auto keyed = *image;
  platform::ApplyColourKey(keyed, 0x000000);
  return 0;
}

}  // namespace fuzz
