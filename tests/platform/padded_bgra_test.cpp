#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/padded_bgra.h"

namespace {

using platform::PaddedBgra;

// Rows start aligned and padded; a converter may fill every byte of the room, and one byte
// past it shows in the guard; the copy out drops the padding, row by row.
TEST(PaddedBgra, RoomForWholeBlocksAGuardBehindItAndTightRowsOut) {
  const struct {
    int width, height, stride;
  } sizes[] = {{426, 240, 1728}, {1, 8, 64}, {16, 2, 64}, {17, 3, 128}, {0, 0, 0}};
  for (const auto& s : sizes) {
    PaddedBgra image;
    image.Resize(s.width, s.height);
    EXPECT_EQ(image.stride(), s.stride) << s.width;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.data()) % PaddedBgra::kAlignment, 0u) << s.width;
    EXPECT_EQ(image.room(), std::size_t(s.stride) * s.height + PaddedBgra::kTailRoom);
    std::memset(image.data(), 0xA5, image.room());
    EXPECT_TRUE(image.GuardIntact()) << s.width;
    image.data()[image.room()] ^= 1;
    EXPECT_FALSE(image.GuardIntact()) << s.width;
    image.Resize(s.width, s.height);  // the same size: the guard is set again
    EXPECT_TRUE(image.GuardIntact()) << s.width;
  }
  PaddedBgra image;
  image.Resize(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < image.stride(); ++x) image.data()[y * image.stride() + x] = std::uint8_t(y * 100 + x);
  std::vector<std::uint8_t> tight(5, 9);
  image.CopyTo(tight);
  std::vector<std::uint8_t> expected;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 12; ++x) expected.push_back(std::uint8_t(y * 100 + x));
  EXPECT_EQ(tight, expected);
}

}  // namespace
