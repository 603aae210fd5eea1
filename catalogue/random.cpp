#include "catalogue/random.h"

namespace catalogue {

void SeedRandom(RandomGenerator& random, std::uint32_t seed) { random.state = seed; }

int Random15(RandomGenerator& random) {
  // The linear congruential step of the classic C library, high bits kept.
  random.state = random.state * 214013u + 2531011u;
  return static_cast<int>((random.state >> 16) & 0x7FFF);
}

int RandomBelow(RandomGenerator& random, int count) {
  if (count < 1) return 0;
  const auto n = static_cast<std::uint64_t>(count);
  if (n <= 32768) {
    const std::uint64_t limit = 32768 / n * n;  // rejection keeps the draw uniform
    for (;;) {
      auto v = static_cast<std::uint64_t>(Random15(random));
      if (v < limit) return static_cast<int>(v % n);
    }
  }
  // Three draws give 45 bits, far more than any count.
  const std::uint64_t range = std::uint64_t(1) << 45;
  const std::uint64_t limit = range / n * n;
  for (;;) {
    std::uint64_t v = (static_cast<std::uint64_t>(Random15(random)) << 30) |
                      (static_cast<std::uint64_t>(Random15(random)) << 15) |
                      static_cast<std::uint64_t>(Random15(random));
    if (v < limit) return static_cast<int>(v % n);
  }
}

int DrawPosition(RandomGenerator& random, int count) {
  if (count < 1) return 0;
  if (count > 32767) return RandomBelow(random, count);
  const int step = 32767 / count;
  for (;;) {
    int r = Random15(random) / step;
    if (r < count) return r;
  }
}

}  // namespace catalogue
