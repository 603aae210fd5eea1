#include "platform/files.h"
#include "platform/debug_log.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporaryFiles) {
  TempDir dir;
  const std::string path = dir / "a.ini";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "old"));
  ASSERT_TRUE(platform::WriteFileAtomically(path, "new content"));
  EXPECT_EQ(*platform::ReadWholeFile(path), "new content");
  EXPECT_EQ(platform::ListDirectory(dir.path()).size(), 1u);
}

TEST(AtomicFile, AGoodWriteRemovesOnlyItsOwnOldLeftoverTemporaries) {
  TempDir dir;
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* name : {"a.ini.tmpAbC123", "a.ini.tmpNEW456", "a.ini.tmp12345", "b.ini.tmpAbC123", "a.ini.tmpAbC1234"}) {
    dir.Write(name, "cut off");
    if (std::string(name) != "a.ini.tmpNEW456") std::filesystem::last_write_time(dir / name, old);
  }
  ASSERT_TRUE(platform::WriteFileAtomically(dir / "a.ini", "whole"));
  std::vector<std::string> left;
  for (const auto& e : platform::ListDirectory(dir.path())) left.push_back(e.name);
  std::sort(left.begin(), left.end());
  // Only a.ini's own mkstemp name that is old enough goes: a fresh one may be a write going on.
  EXPECT_EQ(left, (std::vector<std::string>{"a.ini", "a.ini.tmp12345", "a.ini.tmpAbC1234", "a.ini.tmpNEW456",
                                            "b.ini.tmpAbC123"}));
}

TEST(AtomicFile, KeepsTheModeOfTheReplacedFile) {
  TempDir dir;
  const std::string path = dir / "a.ini";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "x"));
  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(platform::WriteFileAtomically(path, "y"));
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(AtomicFile, ReadWholeFileRefusesDirectoriesAndMissingFiles) {
  TempDir dir;
  EXPECT_FALSE(platform::ReadWholeFile(dir.path()));
  EXPECT_FALSE(platform::ReadWholeFile(dir / "missing"));
  dir.Write("big", std::string(1000, 'x'));
  EXPECT_EQ(platform::ReadWholeFile(dir / "big", 10)->size(), 10u);
}

TEST(AtomicFile, WritesThroughSymbolicLinksAtTheirTarget) {
  TempDir dir;
  platform::SetLogDirectory(dir.path());
  dir.Write("data/stats.sta", "old");
  dir.Write("root/keep", "");
  ::symlink((dir / "data/stats.sta").c_str(), (dir / "root/abs.sta").c_str());
  ::symlink("../data/rel.sta", (dir / "root/rel.sta").c_str());  // target not there yet
  ::symlink("abs.sta", (dir / "root/chain.sta").c_str());         // link to a link
  ::symlink("loop2", (dir / "root/loop1").c_str());
  ::symlink("loop1", (dir / "root/loop2").c_str());
  struct Case {
    const char* link;
    const char* target;
  } cases[] = {{"root/abs.sta", "data/stats.sta"}, {"root/rel.sta", "data/rel.sta"},
               {"root/chain.sta", "data/stats.sta"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    ASSERT_TRUE(platform::WriteFileAtomically(dir / c.link, std::string("via ") + c.link));
    struct stat st {};
    ASSERT_EQ(::lstat((dir / c.link).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(dir.Read(c.target), std::string("via ") + c.link);
  }
  EXPECT_EQ(platform::ListDirectory(dir / "root").size(), 6u);  // no temporaries beside the links
  EXPECT_EQ(platform::ListDirectory(dir / "data").size(), 2u);

  // A loop cannot be followed: the write still happens, in place, and is logged.
  ASSERT_TRUE(platform::WriteFileAtomically(dir / "root/loop1", "plain"));
  EXPECT_EQ(dir.Read("root/loop1"), "plain");
  EXPECT_NE(dir.Read("debug.txt").find("root/loop1"), std::string::npos);
  platform::SetLogDirectory(".");
}
