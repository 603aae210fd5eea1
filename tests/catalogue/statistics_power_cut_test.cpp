// A cabinet switched off at any moment keeps whole statistics files: a writer process is
// killed with SIGKILL at random moments while it saves again and again.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "catalogue/catalogue_state.h"
#include "catalogue/game_run.h"
#include "catalogue/statistics.h"
#include "platform/profile.h"
#include "temp_dir.h"

using catalogue::BeginGameRun;
using catalogue::CountTrackedKey;
using catalogue::GameRun;
using catalogue::ReadGlobalTotals;
using catalogue::ReadListTotals;
using catalogue::SaveGameRun;
using catalogue::SaveTotalTimes;
using catalogue::Statistics;

namespace {

constexpr int kSections = 300;

std::string ManySections() {
  std::string text = "[StatGen]\r\nNbExec=1\r\n[mame]\r\nNb=1\r\n";
  for (int i = 0; i < kSections; ++i)
    text += "[game" + std::to_string(i) + "]\r\nKeep=" + std::to_string(i) + "\r\nNb=1\r\n";
  return text;
}

[[noreturn]] void WriteForever(const TempDir& tmp) {
  Statistics statistics;
  statistics.files = {tmp / "Orvanel.sta", tmp / "mame.sta", "mame"};
  ReadGlobalTotals(statistics, 0);
  ReadListTotals(statistics, 0);
  for (std::uint32_t t = 1;; ++t) {
    GameRun run = BeginGameRun(statistics, "game" + std::to_string(t % kSections), false, t * 1000);
    CountTrackedKey(run, 1);
    SaveGameRun(statistics, run, t * 1000 + 500);
    SaveTotalTimes(statistics, t * 1000 + 700);
  }
}

void ExpectWhole(const std::string& path, bool gameFile) {
  auto file = platform::ProfileFile::Load(path);
  ASSERT_TRUE(file.has_value()) << path;
  if (gameFile) {
    for (int i = 0; i < kSections; ++i) {
      const std::string section = "game" + std::to_string(i);
      ASSERT_EQ(file->Get(section, "Keep", ""), std::to_string(i)) << path;
      ASSERT_GE(std::stoi(file->Get(section, "Nb", "x")), 1) << path;
    }
  } else {
    ASSERT_EQ(file->Get("StatGen", "NbExec", ""), "1") << path;
    ASSERT_GE(std::stoi(file->Get("mame", "Nb", "x")), 1) << path;
  }
}

}  // namespace

TEST(StatisticsPowerCut, KillAtAnyMomentLeavesEveryFileWhole) {
  TempDir tmp;
  tmp.Write("Orvanel.sta", "[StatGen]\r\nNbExec=1\r\n[mame]\r\nNb=1\r\n");
  tmp.Write("mame.sta", ManySections());
  std::mt19937 rng(99);
  for (int round = 0; round < 25; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteForever(tmp);
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + rng() % 80000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ExpectWhole(tmp / "Orvanel.sta", false);
    ExpectWhole(tmp / "mame.sta", true);
  }
  // A last writer runs until it has saved at least once: the cuts above may all have
  // come before a first save on a slow (sanitizer) build, and the files must still be whole.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) WriteForever(tmp);
  for (int i = 0; i < 3000 && tmp.Read("mame.sta").find("TpsJeux=") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ExpectWhole(tmp / "Orvanel.sta", false);
  ExpectWhole(tmp / "mame.sta", true);
  EXPECT_NE(tmp.Read("mame.sta").find("TpsJeux="), std::string::npos);
}
