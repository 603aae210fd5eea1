#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

using shell::ArmScreensaverTimer;
using shell::KillScreensaverTimer;
using shell::ResetShellState;
using shell::ScreensaverTimeLeft;
using shell::TakeScreensaverTimeout;

namespace {

class ScreensaverTimerTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetShellState(); }
  void TearDown() override {
    platform::ClearTickOverride();
    ResetShellState();
  }
};

TEST_F(ScreensaverTimerTest, FiresOnceAfterTheTimeOut) {
  platform::SetTickOverride(1000);
  ArmScreensaverTimer(60);
  EXPECT_EQ(ScreensaverTimeLeft(1000), 60000);
  EXPECT_FALSE(TakeScreensaverTimeout(60999));
  EXPECT_TRUE(TakeScreensaverTimeout(61000));
  EXPECT_FALSE(TakeScreensaverTimeout(62000));
  EXPECT_EQ(ScreensaverTimeLeft(62000), -1);
}

TEST_F(ScreensaverTimerTest, ArmingAgainCountsFromTheLastCall) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(2);
  platform::SetTickOverride(1500);
  ArmScreensaverTimer(2);
  EXPECT_FALSE(TakeScreensaverTimeout(2500));
  EXPECT_TRUE(TakeScreensaverTimeout(3500));
}

TEST_F(ScreensaverTimerTest, ZeroOrNegativeTimeOutNeverArms) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(5);
  ArmScreensaverTimer(0);  // a configuration without screensaver kills a running count
  EXPECT_FALSE(TakeScreensaverTimeout(100000));
  ArmScreensaverTimer(-3);
  EXPECT_EQ(ScreensaverTimeLeft(0), -1);
}

TEST_F(ScreensaverTimerTest, WorksAcrossTheTickWrapAndWithHugeTimeOuts) {
  platform::SetTickOverride(0xFFFFF000u);
  ArmScreensaverTimer(10);
  EXPECT_FALSE(TakeScreensaverTimeout(0xFFFFFFF0u));
  EXPECT_TRUE(TakeScreensaverTimeout(0xFFFFF000u + 10000));
  ArmScreensaverTimer(2000000000);
  EXPECT_GT(ScreensaverTimeLeft(0xFFFFF000u), 0);
  EXPECT_FALSE(TakeScreensaverTimeout(0xFFFFF000u + 86400000u));
}

TEST_F(ScreensaverTimerTest, KillStopsIt) {
  platform::SetTickOverride(0);
  ArmScreensaverTimer(1);
  KillScreensaverTimer();
  EXPECT_FALSE(TakeScreensaverTimeout(5000));
}

}  // namespace
