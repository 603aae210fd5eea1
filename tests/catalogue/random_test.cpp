#include <gtest/gtest.h>

#include <set>

#include "catalogue/random.h"

using catalogue::DrawPosition;
using catalogue::Random15;
using catalogue::RandomBelow;
using catalogue::RandomGenerator;
using catalogue::SeedRandom;

TEST(Random, DrawsStayWithinFifteenBitsAndRepeatForASeed) {
  RandomGenerator random;
  SeedRandom(random, 1234);
  std::vector<int> first;
  int maxSeen = 0;
  for (int i = 0; i < 100000; ++i) {
    int v = Random15(random);
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
    maxSeen = std::max(maxSeen, v);
    if (i < 10) first.push_back(v);
  }
  EXPECT_GT(maxSeen, 32000);
  SeedRandom(random, 1234);
  for (int v : first) EXPECT_EQ(Random15(random), v);
}

TEST(Random, PositionsCoverSmallAndHugeCountsWithoutDividingByZero) {
  RandomGenerator random;
  SeedRandom(random, 7);
  for (int count : {1, 2, 3, 32767, 32768, 40000, 1000000}) {
    for (int i = 0; i < 2000; ++i) {
      int r = DrawPosition(random, count);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, count);
    }
  }
  EXPECT_EQ(DrawPosition(random, 0), 0);
  EXPECT_EQ(RandomBelow(random, -3), 0);

  // Above 32767 entries the far end of the list must be reachable too.
  bool highHalf = false;
  for (int i = 0; i < 200 && !highHalf; ++i) highHalf = DrawPosition(random, 50000) >= 40000;
  EXPECT_TRUE(highHalf);

  std::set<int> seen;
  for (int i = 0; i < 500; ++i) seen.insert(DrawPosition(random, 5));
  EXPECT_EQ(seen.size(), 5u);
}
