#include "frontend/shell/power_off.h"

#include <gtest/gtest.h>

using shell::RunPowerOff;

namespace {

TEST(PowerOff, AnAcceptedCommandSaysNothingAndARefusalOrAMissingProgramIsSaid) {
  EXPECT_EQ(RunPowerOff({"/bin/true"}, 5000), "");
  EXPECT_EQ(RunPowerOff({}, 5000), "");

  const std::string refused = RunPowerOff({"/bin/sh", "-c", "exit 1"}, 5000);
  EXPECT_NE(refused.find("Extinction impossible (/bin/sh)"), std::string::npos) << refused;
  EXPECT_NE(refused.find("code 1"), std::string::npos) << refused;

  const std::string missing = RunPowerOff({"/nonexistent/systemctl", "poweroff"}, 5000);
  EXPECT_NE(missing.find("Extinction impossible (/nonexistent/systemctl)"), std::string::npos) << missing;
  EXPECT_NE(missing.find("introuvable"), std::string::npos) << missing;

  const std::string silent = RunPowerOff({"/bin/sleep", "5"}, 100);
  EXPECT_NE(silent.find("pas de r"), std::string::npos) << silent;
}

}  // namespace
