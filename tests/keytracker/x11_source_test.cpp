// The X11 fallback against a real X server: a private Xvfb, keys typed by xdotool.
#include "keytracker/key_tracker.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
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

  // Xvfb picks a free display itself and writes its number on descriptor 3, so the keys
  // never go to another server of the machine. Without -noreset the server resets when
  // its last client leaves, and a client connecting at that moment is turned away.
  int numberPipe[2];
  ASSERT_EQ(::pipe2(numberPipe, O_CLOEXEC), 0);  // only the dup on 3 reaches Xvfb
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, numberPipe[1], 3);
  const char* argv[] = {"Xvfb", "-displayfd", "3", "-noreset", "-nolisten", "tcp", "-screen", "0", "320x240x24", nullptr};
  pid_t server = 0;
  ASSERT_EQ(::posix_spawnp(&server, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  struct ServerGuard {  // ends the server and restores DISPLAY however the test ends
    pid_t pid;
    std::string display;
    bool hadDisplay;
    ~ServerGuard() {
      ::kill(pid, SIGTERM);
      ::waitpid(pid, nullptr, 0);
      if (hadDisplay) ::setenv("DISPLAY", display.c_str(), 1); else ::unsetenv("DISPLAY");
    }
  } guard{server, std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "", std::getenv("DISPLAY") != nullptr};
  ::close(numberPipe[1]);
  std::string number;
  char c;
  while (::read(numberPipe[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(numberPipe[0]);
  ASSERT_FALSE(number.empty()) << "Xvfb gave no display number";
  const std::string display = ":" + number;
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
