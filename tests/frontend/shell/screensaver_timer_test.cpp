#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/screensaver_timer_state.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

using shell::ArmScreensaverTimer;
using shell::KillScreensaverTimer;
using shell::ScreensaverTimeLeft;
using shell::ScreensaverTimer;
using shell::TakeScreensaverTimeout;

namespace {

class ScreensaverTimerTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::ClearTickOverride(); }
  ScreensaverTimer timer;
};

TEST_F(ScreensaverTimerTest, FiresOnceAfterTheTimeOut) {
  platform::SetTickOverride(1000);
  ArmScreensaverTimer(timer, 60);
  EXPECT_EQ(ScreensaverTimeLeft(timer, 1000), 60000);
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 60999));
  EXPECT_TRUE(TakeScreensaverTimeout(timer, 61000));
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 62000));
  EXPECT_EQ(ScreensaverTimeLeft(timer, 62000), -1);
}

TEST_F(ScreensaverTimerTest, ArmingAgainCountsFromTheLastCall) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(timer, 2);
  platform::SetTickOverride(1500);
  ArmScreensaverTimer(timer, 2);
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 2500));
  EXPECT_TRUE(TakeScreensaverTimeout(timer, 3500));
}

TEST_F(ScreensaverTimerTest, ZeroOrNegativeTimeOutNeverArms) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(timer, 5);
  ArmScreensaverTimer(timer, 0);  // a configuration without screensaver kills a running count
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 100000));
  ArmScreensaverTimer(timer, -3);
  EXPECT_EQ(ScreensaverTimeLeft(timer, 0), -1);
}

TEST_F(ScreensaverTimerTest, WorksAcrossTheTickWrapAndWithHugeTimeOuts) {
  platform::SetTickOverride(0xFFFFF000u);
  ArmScreensaverTimer(timer, 10);
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 0xFFFFFFF0u));
  EXPECT_TRUE(TakeScreensaverTimeout(timer, 0xFFFFF000u + 10000));
  ArmScreensaverTimer(timer, 2000000000);
  EXPECT_GT(ScreensaverTimeLeft(timer, 0xFFFFF000u), 0);
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 0xFFFFF000u + 86400000u));
}

TEST_F(ScreensaverTimerTest, KillStopsIt) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(timer, 1);
  KillScreensaverTimer(timer);
  EXPECT_FALSE(TakeScreensaverTimeout(timer, 5000));
}

}  // namespace
