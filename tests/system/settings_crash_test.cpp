// Settings files survive a process killed at any moment: a child rewrites them again and
// again and is killed with SIGKILL at random moments; every file left behind must be the
// old or the new content, never torn or empty.
#include "frontend/shell/count_run.h"
#include "platform/debug_log.h"
#include "platform/profile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

using shell::CountRun;

namespace {

// Round n of the record written by the child: the keys agree with each other, so a file
// mixing two rounds (or cut short) is caught.
std::vector<platform::ProfileValue> Round(long n) {
  return {{"Round", std::to_string(n)},
          {"Check", std::to_string(n * 7 + 3)},
          {"Padding", std::string(static_cast<std::size_t>(n % 700), 'p')}};
}

const std::string kHeader = "; kept line\r\n[Autre]\r\nX=1\r\n";

[[noreturn]] void RewriteForever(const std::string& dir) {
  const std::string ini = dir + "/config.ini";
  long n = std::stol(platform::ReadProfileString(ini, "Config", "Round", "0"));
  for (;;) {
    ++n;
    auto values = Round(n);
    platform::WriteProfileStrings(ini, "Config", values);
    CountRun(dir);
  }
}

TEST(SettingsCrashTest, KilledWriterLeavesOldOrNewContent) {
  TempDir dir;
  platform::SetLogDirectory(dir.path());
  auto first = Round(0);
  dir.Write("config.ini", platform::UpdateProfileText(kHeader, "Config", first));
  dir.Write("Orvanel.sta", "[StatGen]\r\nNbExec=0\r\n");

  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> delayUs(0, 30000);
  long lastRound = 0;
  long lastCount = 0;
  for (int kill = 0; kill < 50; ++kill) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) RewriteForever(dir.path());
    // Kill only a writer that is under way: after its first finished round, at a random
    // moment of the following ones.
    for (int wait = 0; wait < 50000 &&
                       std::stol(platform::ReadProfileString(dir / "config.ini", "Config", "Round", "-1")) == lastRound;
         ++wait)
      ::usleep(200);
    ::usleep(static_cast<useconds_t>(delayUs(rng)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);

    const std::string ini = dir.Read("config.ini");
    const long round = std::stol(platform::ReadProfileString(dir / "config.ini", "Config", "Round", "-1"));
    ASSERT_GE(round, lastRound) << "kill " << kill;
    auto values = Round(round);
    ASSERT_EQ(ini, platform::UpdateProfileText(kHeader, "Config", values)) << "kill " << kill;
    lastRound = round;

    const std::string sta = dir.Read("Orvanel.sta");
    const long count = std::stol(platform::ReadProfileString(dir / "Orvanel.sta", "StatGen", "NbExec", "-1"));
    ASSERT_EQ(sta, "[StatGen]\r\nNbExec=" + std::to_string(count) + "\r\n") << "kill " << kill;
    ASSERT_GE(count, lastCount);
    lastCount = count;
  }
  // Every writer finished rounds before it was killed.
  EXPECT_GE(lastRound, 50);
  EXPECT_GT(lastCount, 0);
}

}  // namespace
