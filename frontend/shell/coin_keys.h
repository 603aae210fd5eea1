// The coin keys counted while a game runs: the digit keys 5 to 8, as the key tracker
// reports their releases (virtual-key codes 0x35 to 0x38), counted into C1 to C4.
#pragma once

#include <array>
#include <functional>

namespace shell {

inline constexpr std::array<int, 4> kCoinKeys{0x35, 0x36, 0x37, 0x38};

using CoinCounts = std::array<int, 4>;

// Reads the tracker until it reports 0 and adds each coin key to its count. True when it
// reported any key at all. A tracker that never runs dry is read at most a few dozen
// times per call, so the wait loop cannot hang on it.
bool DrainCoinKeys(CoinCounts& counts, const std::function<unsigned long()>& nextKey);

}  // namespace shell
