#include "platform/files.h"
#include "platform/debug_log.h"
#include "platform/file_creation.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
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
  // Only a.ini's own temporary name that is old enough goes: a fresh one may be a write going on.
  EXPECT_EQ(left, (std::vector<std::string>{"a.ini", "a.ini.tmp12345", "a.ini.tmpAbC1234", "a.ini.tmpNEW456",
                                            "b.ini.tmpAbC123"}));
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// A replaced file keeps its permission bits; a new one gets what the umask leaves of 0666,
// as any program's new file would.
TEST(AtomicFile, ModeOfTheReplacedFileOrWhatTheUmaskLeaves) {
  struct Case {
    const char* name;
    mode_t umask;
    std::optional<mode_t> existing;  // nothing: a new file
    mode_t expected;
  } cases[] = {
      {"private file stays private", 022, 0600, 0600},
      {"program file keeps its x bits", 077, 0755, 0755},
      {"group-writable stays so", 022, 0664, 0664},
      {"new file, umask 027", 027, std::nullopt, 0640},
      {"new file, umask 002", 002, std::nullopt, 0664},
      {"new file, umask 022", 022, std::nullopt, 0644},
  };
  TempDir dir;
  const mode_t saved = ::umask(022);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir / c.name;
    if (c.existing) {
      dir.Write(c.name, "old");
      ::chmod(path.c_str(), *c.existing);
    }
    ::umask(c.umask);
    ASSERT_TRUE(platform::WriteFileAtomically(path, "new"));
    ::umask(022);
    EXPECT_EQ(ModeOf(path), c.expected);
    EXPECT_EQ(dir.Read(c.name), "new");
  }
  ::umask(saved);
}

// Root can give a file any group and owner; anyone else only one of their own groups.
std::optional<gid_t> AnotherGroupOfOurs() {
  if (::geteuid() == 0) return 65534;
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
  groups.resize(static_cast<std::size_t>(std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
  for (gid_t g : groups)
    if (g != ::getegid()) return g;
  return std::nullopt;
}

TEST(AtomicFile, KeepsTheGroupOfTheReplacedFileAndTheOwnerForRoot) {
  const std::optional<gid_t> group = AnotherGroupOfOurs();
  if (!group) GTEST_SKIP() << "this process has no supplementary group to give the replaced file";
  TempDir dir;
  const std::string path = dir.Write("shared.ini", "old");
  const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
  ASSERT_EQ(::chown(path.c_str(), owner, *group), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
  ASSERT_TRUE(platform::WriteFileAtomically(path, "new"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_gid, *group);
  EXPECT_EQ(st.st_uid, owner);
  EXPECT_EQ(st.st_mode & 07777, 0660u);
  EXPECT_EQ(dir.Read("shared.ini"), "new");
}

// Someone who can write to the folder plants a link where the temporary is about to be
// made: the write must neither follow it nor empty what it leads to.
TEST(AtomicFile, ALinkPlantedAtTheTemporaryNameIsNeverFollowed) {
  TempDir dir;
  const std::string victim = dir.Write("victim", "precious");
  const std::string path = dir / "a.ini";
  for (const char* suffix : {"AAAAAA", "BBBBBB"})
    ASSERT_EQ(::symlink(victim.c_str(), (path + ".tmp" + suffix).c_str()), 0);
  platform::SetTemporarySuffixesForTest({"AAAAAA", "BBBBBB", "CCCCCC"});
  ASSERT_TRUE(platform::WriteFileAtomically(path, "new"));
  EXPECT_EQ(dir.Read("victim"), "precious");
  EXPECT_EQ(dir.Read("a.ini"), "new");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmpCCCCCC"));
  EXPECT_TRUE(std::filesystem::is_symlink(path + ".tmpAAAAAA"));
}

TEST(AtomicFile, ReadWholeFileRefusesDirectoriesAndMissingFiles) {
  TempDir dir;
  EXPECT_FALSE(platform::ReadWholeFile(dir.path()));
  EXPECT_FALSE(platform::ReadWholeFile(dir / "missing"));
  dir.Write("big", std::string(1000, 'x'));
  EXPECT_EQ(platform::ReadWholeFile(dir / "big", 10)->size(), 10u);
  // A buffer reused for a smaller file holds that file alone; a failed read leaves it empty.
  dir.Write("small", "abc");
  std::string buffer;
  ASSERT_TRUE(platform::ReadWholeFileInto(dir / "big", buffer));
  EXPECT_EQ(buffer.size(), 1000u);
  ASSERT_TRUE(platform::ReadWholeFileInto(dir / "small", buffer));
  EXPECT_EQ(buffer, "abc");
  EXPECT_FALSE(platform::ReadWholeFileInto(dir / "missing", buffer));
  EXPECT_TRUE(buffer.empty());
  // A file that tells no size (the kernel's) is read to its end all the same.
  const std::optional<std::string> status = platform::ReadWholeFile("/proc/self/status");
  ASSERT_TRUE(status);
  EXPECT_NE(status->find("Name:"), std::string::npos);
  EXPECT_EQ(status->back(), '\n');
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
