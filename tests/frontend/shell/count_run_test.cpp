#include "frontend/shell/count_run.h"

#include "platform/debug_log.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using shell::CountRun;

TEST(CountRunTest, CountsStartsAndKeepsTheRestOfTheFile) {
  TempDir dir;
  platform::SetLogDirectory(dir.path());
  CountRun(dir.path());
  EXPECT_EQ(dir.Read("Orvanel.sta"), "[StatGen]\r\nNbExec=1\r\n");
  CountRun(dir.path());
  EXPECT_EQ(dir.Read("Orvanel.sta"), "[StatGen]\r\nNbExec=2\r\n");

  dir.Write("Orvanel.sta", "[StatGen]\nNbCoins=5\nnbexec= 41 runs\n[Other]\nNbExec=9\n");
  CountRun(dir.path());
  EXPECT_EQ(dir.Read("Orvanel.sta"), "[StatGen]\r\nNbCoins=5\r\nNbExec=42\r\n[Other]\r\nNbExec=9\r\n");

  dir.Write("Orvanel.sta", "[StatGen]\nNbExec=garbage\n");
  CountRun(dir.path());
  EXPECT_EQ(dir.Read("Orvanel.sta"), "[StatGen]\r\nNbExec=1\r\n");
}
