#include "platform/padded_bgra.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Varies along the region, so that no run of one written value matches it.
std::uint8_t GuardByte(std::size_t i) { return std::uint8_t(0xA5 ^ (i * 29)); }

}  // namespace

void PaddedBgra::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width != width_ || height != height_ || storage_.empty()) {
    width_ = width;
    height_ = height;
    stride_ = (std::size_t(width) * 4 + kAlignment - 1) / kAlignment * kAlignment;
    storage_.assign(kAlignment - 1 + room() + kGuardBytes, 0);
    const auto address = reinterpret_cast<std::uintptr_t>(storage_.data());
    offset_ = (kAlignment - address % kAlignment) % kAlignment;
  }
  std::uint8_t* guard = data() + room();
  for (std::size_t i = 0; i < kGuardBytes; ++i) guard[i] = GuardByte(i);
}

bool PaddedBgra::GuardIntact() const {
  const std::uint8_t* guard = storage_.data() + offset_ + room();
  for (std::size_t i = 0; i < kGuardBytes; ++i)
    if (guard[i] != GuardByte(i)) return false;
  return true;
}

void PaddedBgra::CopyTo(std::vector<std::uint8_t>& tight) const {
  const std::size_t row = std::size_t(width_) * 4;
  tight.resize(row * std::size_t(height_));
  const std::uint8_t* from = storage_.data() + offset_;
  for (int y = 0; y < height_; ++y) {
    if (row > 0) std::memcpy(tight.data() + row * std::size_t(y), from + stride_ * std::size_t(y), row);
  }
}

}  // namespace platform
