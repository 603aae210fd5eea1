#include "frontend/shell/coin_keys.h"

namespace shell {

namespace {
// The tracker's stack holds at most 19 keys between two reads.
constexpr int kMaxReadsPerDrain = 64;
}  // namespace

bool DrainCoinKeys(CoinCounts& counts, const std::function<unsigned long()>& nextKey) {
  bool seen = false;
  for (int i = 0; i < kMaxReadsPerDrain; ++i) {
    const unsigned long key = nextKey();
    if (key == 0) break;
    seen = true;
    for (std::size_t k = 0; k < kCoinKeys.size(); ++k) {
      if (key == static_cast<unsigned long>(kCoinKeys[k])) counts[k]++;
    }
  }
  return seen;
}

}  // namespace shell
