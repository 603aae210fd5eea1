#include "frontend/shell/coin_keys.h"

#include <gtest/gtest.h>

#include <vector>

using shell::CoinCounts;
using shell::DrainCoinKeys;

namespace {

TEST(CoinKeys, EachCoinKeyCountsIntoItsSlotUntilTheTrackerIsEmpty) {
  std::vector<unsigned long> stack{0x35, 0x38, 0x41, 0x36, 0x35, 0x37, 0x34, 0x39};
  auto next = [&]() -> unsigned long {
    if (stack.empty()) return 0;
    unsigned long k = stack.back();
    stack.pop_back();
    return k;
  };
  CoinCounts counts{1, 0, 0, 0};
  EXPECT_TRUE(DrainCoinKeys(counts, next));
  EXPECT_EQ(counts, (CoinCounts{3, 1, 1, 1}));
  EXPECT_FALSE(DrainCoinKeys(counts, next));
  // A key that is no coin key is still "a key seen" (it ends a screensaver run).
  stack = {0x41};
  EXPECT_TRUE(DrainCoinKeys(counts, next));
  EXPECT_EQ(counts, (CoinCounts{3, 1, 1, 1}));
}

TEST(CoinKeys, ATrackerThatNeverRunsDryCannotHangTheWait) {
  int reads = 0;
  CoinCounts counts{};
  EXPECT_TRUE(DrainCoinKeys(counts, [&] {
    ++reads;
    return 0x35ul;
  }));
  EXPECT_LE(reads, 64);
  EXPECT_EQ(counts[0], reads);
}

}  // namespace
