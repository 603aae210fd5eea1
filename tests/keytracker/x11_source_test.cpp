// The X11 fallback against a real X server: a private Xvfb, keys typed by xdotool.
#include "keytracker/key_tracker.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

bool HaveProgram(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

unsigned long WaitForKey(int timeoutMs) {
  for (int t = 0; t < timeoutMs; t += 20) {
    if (unsigned long k = KeyTrackerGetKey()) return k;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}

}  // namespace

TEST(KeyTrackerX11, KeysTypedOnTheServerAreRecorded) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  if (std::filesystem::exists("/dev/input")) GTEST_SKIP() << "input devices present: evdev is used";

  const std::string display = ":" + std::to_string(80 + ::getpid() % 400);
  const char* argv[] = {"Xvfb", display.c_str(), "-nolisten", "tcp", "-screen", "0", "320x240x24", nullptr};
  pid_t server = 0;
  ASSERT_EQ(::posix_spawnp(&server, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  const char* oldDisplay = std::getenv("DISPLAY");
  const std::string saved = oldDisplay ? oldDisplay : "";
  ::setenv("DISPLAY", display.c_str(), 1);

  // Wait for the server to accept clients.
  bool up = false;
  for (int i = 0; i < 100 && !up; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    up = std::system("xdotool getmouselocation >/dev/null 2>&1") == 0;
  }
  ASSERT_TRUE(up);

  KeyTrackerTestMode(0);
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  ASSERT_EQ(std::system("xdotool key 5 x 8"), 0);
  EXPECT_EQ(WaitForKey(3000), 0x38u);
  EXPECT_EQ(KeyTrackerGetKey(), 0x35u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTerm();
  ASSERT_EQ(std::system("xdotool key 5"), 0);
  EXPECT_EQ(WaitForKey(300), 0u);

  ::kill(server, SIGTERM);
  ::waitpid(server, nullptr, 0);
  if (oldDisplay) ::setenv("DISPLAY", saved.c_str(), 1); else ::unsetenv("DISPLAY");
}

TEST(KeyTrackerX11, NoDeviceAndNoDisplayMeansNoTracking) {
  if (std::filesystem::exists("/dev/input")) GTEST_SKIP() << "input devices present";
  const char* oldDisplay = std::getenv("DISPLAY");
  const std::string saved = oldDisplay ? oldDisplay : "";
  ::setenv("DISPLAY", ":4999", 1);  // no server there
  KeyTrackerTestMode(0);
  EXPECT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 0);
  KeyTrackerTestFeed(0x35);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTerm();
  if (oldDisplay) ::setenv("DISPLAY", saved.c_str(), 1); else ::unsetenv("DISPLAY");
}
