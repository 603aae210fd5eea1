// A BGRA image for converters that write past the pixels they are asked for: libswscale's
// SIMD code stores whole blocks of pixels, so the last block of a row (of the last row too)
// can reach beyond it. Rows start on 64-byte boundaries, padded to a multiple of 64 bytes,
// the image is followed by room for several more blocks, and a guard region after that
// room tells whether a converter wrote further still.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class PaddedBgra {
 public:
  static constexpr std::size_t kAlignment = 64;
  static constexpr std::size_t kTailRoom = 256;
  static constexpr std::size_t kGuardBytes = 64;

  // Keeps the memory while the size stays; the guard region is set afresh either way.
  void Resize(int width, int height);
  std::uint8_t* data() { return storage_.data() + offset_; }
  int stride() const { return int(stride_); }
  // Bytes from data() a converter may write: every row with its padding, then the tail room.
  std::size_t room() const { return stride_ * std::size_t(height_) + kTailRoom; }
  // False once something was written past room().
  bool GuardIntact() const;
  // The pixels without the padding: width * 4 bytes a row, as VideoFrame holds them.
  void CopyTo(std::vector<std::uint8_t>& tight) const;

 private:
  std::vector<std::uint8_t> storage_;
  std::size_t offset_ = 0;
  std::size_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform
