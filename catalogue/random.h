// The one random generator of the frontend: 15-bit draws (0 ... 32767), the range every
// "rand() / (32767 / count)" draw of the menu assumes. Seeded with the tick at start-up;
// its state is handed in (CatalogueState::random).
#pragma once

#include <cstdint>

namespace catalogue {

struct RandomGenerator {
  std::uint32_t state = 1;
};

void SeedRandom(RandomGenerator& random, std::uint32_t seed);

// The next value 0 ... 32767.
int Random15(RandomGenerator& random);

// A value 0 ... count - 1, uniform; for counts above 32767 several draws are combined.
// Gives 0 when count < 1.
int RandomBelow(RandomGenerator& random, int count);

// The menu's random position among count entries: r = Random15() / (32767 / count),
// drawn again while r >= count; counts above 32767 (where 32767 / count is 0) draw
// uniformly from the wider range instead. Gives 0 when count < 1.
int DrawPosition(RandomGenerator& random, int count);

}  // namespace catalogue
