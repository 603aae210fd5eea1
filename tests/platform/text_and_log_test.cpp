#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/text.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

TEST(Text, ParseIntReadsLikeTheSettings) {
  EXPECT_EQ(platform::ParseInt("  42abc"), 42);
  EXPECT_EQ(platform::ParseInt("-7"), -7);
  EXPECT_EQ(platform::ParseInt("+8"), 8);
  EXPECT_EQ(platform::ParseInt("abc"), 0);
  EXPECT_EQ(platform::ParseInt(""), 0);
  EXPECT_EQ(platform::ParseInt("99999999999999999999999"), 2147483647);
}

TEST(Text, CutToFieldKeepsSizeMinusOne) {
  EXPECT_EQ(platform::CutToField("abcdef", 4), "abc");
  EXPECT_EQ(platform::CutToField("ab", 4), "ab");
  EXPECT_EQ(platform::CutToField("ab", 0), "");
}

TEST(Text, DisplayTextKeepsUtf8AndConvertsWindows1252) {
  EXPECT_EQ(platform::ToUtf8ForDisplay("trouv\xE9"), "trouv\xC3\xA9");
  EXPECT_EQ(platform::ToUtf8ForDisplay("trouv\xC3\xA9"), "trouv\xC3\xA9");
  EXPECT_EQ(platform::ToUtf8ForDisplay("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(platform::ToUtf8ForDisplay("\xE9\xE9"), "\xC3\xA9\xC3\xA9");
}

TEST(DebugLog, TimestampHasTheLogFormat) {
  std::tm t{};
  t.tm_mday = 7;
  t.tm_mon = 0;
  t.tm_year = 105;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 3;
  EXPECT_EQ(platform::FormatTimestamp(t), "07/01/2005 - 9:05.03");
  t.tm_hour = 23;
  t.tm_mday = 31;
  t.tm_mon = 11;
  EXPECT_EQ(platform::FormatTimestamp(t), "31/12/2005 - 23:05.03");
}

TEST(DebugLog, WriteLogAppendsRecordsWithCrLf) {
  TempDir dir;
  platform::SetLogDirectory(dir.path());
  platform::WriteLog("", 1, 1);
  EXPECT_EQ(dir.Read("debug.txt"), "");
  platform::WriteLog("abc", 0, 0);
  platform::WriteLog("def", 1, 0);
  platform::WriteLog("=== Lancement ===", 1, 1);
  std::string log = dir.Read("debug.txt");
  EXPECT_EQ(log.substr(0, 8), "abcdef\r\n");
  EXPECT_NE(log.find(" => === Lancement ===\r\n"), std::string::npos);
  platform::SetLogDirectory(".");
}

TEST(DebugLog, ALogThatCannotBeWrittenIsReportedOncePerRun) {
  TempDir dir;
  auto& boxes = platform::RecordMessageBoxes();
  platform::SetLogDirectory(dir / "missing/folder");
  for (int i = 0; i < 5; ++i) platform::WriteLog("line", 1, 1);
  EXPECT_EQ(boxes.size(), 1u);
  platform::SetLogDirectory(dir.path());
  platform::WriteLog("written", 1, 0);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(dir.Read("debug.txt"), "written\r\n");
  platform::SetMessageBoxSink(nullptr);
  platform::SetLogDirectory(".");
}

