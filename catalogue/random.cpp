#include "catalogue/random.h"

#include "catalogue/catalogue_state.h"

void SeedRandom(std::uint32_t seed) { gCatalogue.random.state = seed; }

int Random15() {
  // The linear congruential step of the classic C library, high bits kept.
  gCatalogue.random.state = gCatalogue.random.state * 214013u + 2531011u;
  return static_cast<int>((gCatalogue.random.state >> 16) & 0x7FFF);
}

int RandomBelow(int count) {
  if (count < 1) return 0;
  const auto n = static_cast<std::uint64_t>(count);
  if (n <= 32768) {
    const std::uint64_t limit = 32768 / n * n;  // rejection keeps the draw uniform
    for (;;) {
      auto v = static_cast<std::uint64_t>(Random15());
      if (v < limit) return static_cast<int>(v % n);
    }
  }
  // Three draws give 45 bits, far more than any count.
  const std::uint64_t range = std::uint64_t(1) << 45;
  const std::uint64_t limit = range / n * n;
  for (;;) {
    std::uint64_t v = (static_cast<std::uint64_t>(Random15()) << 30) |
                      (static_cast<std::uint64_t>(Random15()) << 15) |
                      static_cast<std::uint64_t>(Random15());
    if (v < limit) return static_cast<int>(v % n);
  }
}

int DrawPosition(int count) {
  if (count < 1) return 0;
  if (count > 32767) return RandomBelow(count);
  const int step = 32767 / count;
  for (;;) {
    int r = Random15() / step;
    if (r < count) return r;
  }
}
