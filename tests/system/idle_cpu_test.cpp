// A sanity check of the idle path with the measuring script: an idle frontend must not
// spin. The real figure is taken with scripts/measure-idle-cpu.sh on a quiet machine; the
// bound here is generous so that a busy CI machine does not fail it.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(IdleCpuTest, IdleFrontendDoesNotSpin) {
  if (!systest::HasProgram("Xvfb") || !systest::HasProgram("xdotool"))
    GTEST_SKIP() << "Xvfb or xdotool missing (scripts/install-deps.sh installs them)";
  const std::string out = systest::Capture("env -u DISPLAY SDL_VIDEODRIVER=x11 bash " ORV_SOURCE_DIR
                                           "/scripts/measure-idle-cpu.sh " ORV_BINARY_DIR " 4 still 2>&1");
  const auto pos = out.find("idle CPU: ");
  ASSERT_NE(pos, std::string::npos) << out;
  const double percent = std::atof(out.c_str() + pos + 10);
  EXPECT_LT(percent, 20.0) << out;
}
