#include "platform/process.h"

#include "emulator_record.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

using platform::ProcessHandle;
using platform::SpawnProcess;
using platform::WaitProcess;
using platform::WaitResult;

namespace {

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = dir_ / "record.txt";
    ::setenv("ORV_TEST_EMULATOR_RECORD", record_.c_str(), 1);
    ::setenv("ORV_TEST_EMULATOR_SCRIPT", "", 1);
  }
  void TearDown() override {
    ::unsetenv("ORV_TEST_EMULATOR_RECORD");
    ::unsetenv("ORV_TEST_EMULATOR_SCRIPT");
  }
  void Script(const char* s) { ::setenv("ORV_TEST_EMULATOR_SCRIPT", s, 1); }
  std::vector<EmulatorRun> Runs() const { return ReadEmulatorRuns(record_); }

  TempDir dir_;
  std::string record_;
};

using Ms = std::chrono::milliseconds;
long long ElapsedMs(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now() - since).count();
}


}  // namespace

TEST_F(ProcessTest, ChildRunsInTheGivenDirectoryWithItsOwnGroupAndExactArguments) {
  std::filesystem::create_directories(dir_ / "emu dir");
  std::vector<std::string> args{TestEmulatorPath(), "a;b $(touch pwned)", "", "two words", "\"q\""};
  auto p = SpawnProcess(TestEmulatorPath(), args, dir_ / "emu dir");
  ASSERT_TRUE(p);
  EXPECT_EQ(WaitProcess(*p, 10000), WaitResult::kExited);
  EXPECT_EQ(p->exitCode(), 0);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].cwd, dir_ / "emu dir");
  EXPECT_EQ(runs[0].argv, args);
  EXPECT_EQ(runs[0].pgid, runs[0].pid);
  EXPECT_NE(runs[0].pgid, ::getpgrp());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "emu dir/pwned"));
}

TEST_F(ProcessTest, WaitTimesOutWhileTheChildRunsAndReportsItsExitCode) {
  Script("run_ms=600;exit_code=3");
  auto p = SpawnProcess(TestEmulatorPath(), {TestEmulatorPath()}, "");
  ASSERT_TRUE(p);
  auto t0 = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitProcess(*p, 0), WaitResult::kTimedOut);
  EXPECT_EQ(WaitProcess(*p, 100), WaitResult::kTimedOut);
  EXPECT_GE(ElapsedMs(t0), 90);
  EXPECT_TRUE(p->running());
  EXPECT_EQ(WaitProcess(*p, 10000), WaitResult::kExited);
  EXPECT_EQ(p->exitCode(), 3);
  EXPECT_FALSE(p->running());
  EXPECT_EQ(WaitProcess(*p, 10), WaitResult::kExited);
  EXPECT_EQ(WaitProcess(*std::make_unique<ProcessHandle>(), 10), WaitResult::kFailed);
}

TEST_F(ProcessTest, MissingProgramOrDirectoryIsNotStarted) {
  int error = 0;
  EXPECT_FALSE(SpawnProcess(dir_ / "nothing", {"nothing"}, "", &error));
  EXPECT_EQ(error, ENOENT);
  EXPECT_FALSE(SpawnProcess(TestEmulatorPath(), {"x"}, dir_ / "no such dir", &error));
  EXPECT_NE(error, 0);
  dir_.Write("not_executable", "#!/bin/sh\n");
  EXPECT_FALSE(SpawnProcess(dir_ / "not_executable", {"x"}, "", &error));
  EXPECT_FALSE(SpawnProcess("", {}, ""));
  EXPECT_TRUE(Runs().empty());
}

TEST_F(ProcessTest, ProgramWithoutSlashIsFoundInPath) {
  auto p = SpawnProcess("true", {"true"}, "");
  ASSERT_TRUE(p);
  EXPECT_EQ(WaitProcess(*p, 10000), WaitResult::kExited);
  EXPECT_EQ(p->exitCode(), 0);
}

TEST_F(ProcessTest, TerminateEndsAWellBehavedChildAtOnce) {
  Script("run_ms=30000");
  auto p = SpawnProcess(TestEmulatorPath(), {TestEmulatorPath()}, "");
  ASSERT_TRUE(p);
  ASSERT_EQ(WaitForEmulatorRuns(record_, 1).size(), 1u);
  auto t0 = std::chrono::steady_clock::now();
  platform::TerminateProcessGroup(*p, 8000);
  EXPECT_LT(ElapsedMs(t0), 6000);  // well before the grace period
  EXPECT_FALSE(p->running());
  EXPECT_EQ(p->exitCode(), 128 + SIGTERM);
}

TEST_F(ProcessTest, TerminateKillsAGroupThatIgnoresSigterm) {
  Script("run_ms=30000;ignore_term=1;child=1");
  auto p = SpawnProcess(TestEmulatorPath(), {TestEmulatorPath()}, "");
  ASSERT_TRUE(p);
  ASSERT_EQ(WaitForEmulatorRuns(record_, 1).size(), 1u);
  auto t0 = std::chrono::steady_clock::now();
  platform::TerminateProcessGroup(*p, 400);
  EXPECT_GE(ElapsedMs(t0), 350);
  EXPECT_LT(ElapsedMs(t0), 6000);
  EXPECT_EQ(p->exitCode(), 128 + SIGKILL);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_GE(runs[0].termsIgnored, 1);
  EXPECT_FALSE(runs[0].ended);
  ASSERT_GT(runs[0].child, 0);
  EXPECT_TRUE(ProcessIsGone(runs[0].child));
  // A second call on an ended child does nothing.
  platform::TerminateProcessGroup(*p, 400);
}

TEST_F(ProcessTest, DetachedCommandLineRunsInItsOwnSessionWithoutAShell) {
  platform::ProcessHandle started;
  const std::string line = "\"" + TestEmulatorPath() + "\" \"a b\" c;d $(touch " + (dir_ / "pwned") + ")";
  ASSERT_TRUE(platform::SpawnDetached(line, &started));
  EXPECT_EQ(WaitProcess(started, 10000), WaitResult::kExited);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].sid, runs[0].pid);
  EXPECT_EQ(runs[0].argv, (std::vector<std::string>{TestEmulatorPath(), "a b", "c;d", "$(touch",
                                                     (dir_ / "pwned") + ")"}));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pwned"));
  EXPECT_FALSE(platform::SpawnDetached("   "));
  EXPECT_FALSE(platform::SpawnDetached(std::vector<std::string>{}));
  EXPECT_TRUE(platform::SpawnDetached(std::vector<std::string>{"true"}, &started));
  EXPECT_EQ(WaitProcess(started, 10000), WaitResult::kExited);
  EXPECT_FALSE(platform::SpawnDetached("\"" + (dir_ / "missing") + "\" x"));
}
