#include "platform/files.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporaryFiles) {
  TempDir dir;
  const std::string path = dir / "a.ini";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "old"));
  ASSERT_TRUE(platform::WriteFileAtomically(path, "new content"));
  EXPECT_EQ(*platform::ReadWholeFile(path), "new content");
  EXPECT_EQ(platform::ListDirectory(dir.path()).size(), 1u);
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
