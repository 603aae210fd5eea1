#include "platform/paths.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using platform::MakeAbsolutePath;

TEST(Paths, MakeAbsolutePathFollowsTheSettingRules) {
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", ""), "");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", ".\\roms"), "/opt/orv\\roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "./roms"), "/opt/orv/roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "roms"), "/opt/orv/roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "D:\\roms"), "D:\\roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "\\\\server\\roms"), "\\\\server\\roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "/srv/roms"), "/srv/roms");
  // A value starting with ".." is beside the installation, not inside it.
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "..\\roms"), "/opt\\roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "../roms"), "/opt/roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", ".."), "/opt");
  EXPECT_EQ(MakeAbsolutePath("/orv", "../roms"), "/roms");
  EXPECT_EQ(MakeAbsolutePath("/opt/orv", "../../srv"), "/opt/../srv");
}

TEST(Paths, ResolvePathMatchesComponentsWithoutRegardToCase) {
  TempDir dir;
  dir.Write("config/mame/Layout.cfg", "x");
  EXPECT_EQ(platform::ResolvePath(dir.path() + "\\Config\\MAME\\layout.CFG"), dir / "config/mame/Layout.cfg");
  EXPECT_EQ(platform::ResolvePath(dir / "config/mame/Layout.cfg"), dir / "config/mame/Layout.cfg");
  // A missing file keeps the resolved directory and the name as written.
  EXPECT_EQ(platform::ResolvePath(dir / "CONFIG/new.ini"), dir / "config/new.ini");
  EXPECT_EQ(platform::ResolvePath(dir / "nope/x/y"), dir / "nope/x/y");
}

TEST(Paths, FileNameAndDirectoryPartsAcceptBothSeparators) {
  EXPECT_EQ(platform::FileNamePart("C:\\Emu\\mame.exe"), "mame.exe");
  EXPECT_EQ(platform::DirectoryPart("C:\\Emu\\mame.exe"), "C:\\Emu");
  EXPECT_EQ(platform::FileNamePart("mame"), "mame");
  EXPECT_EQ(platform::DirectoryPart("mame"), "");
  EXPECT_EQ(platform::FileNamePart("/usr/games/mame"), "mame");
}

TEST(Paths, CaseBlindLookUpsSeeFilesAddedAndRemovedSinceTheLastOne) {
  TempDir dir;
  dir.Write("snap/Alpha.PNG", "x");
  EXPECT_EQ(platform::ResolvePath(dir / "snap/alpha.png"), dir / "snap/Alpha.PNG");
  EXPECT_EQ(platform::ResolvePath(dir / "snap/beta.png"), dir / "snap/beta.png");  // not there yet
  // A change within the directory time's tick is seen a tenth of a second later at most.
  dir.Write("snap/BETA.png", "x");
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_EQ(platform::ResolvePath(dir / "snap/beta.png"), dir / "snap/BETA.png");
  std::filesystem::remove(dir / "snap/Alpha.PNG");
  dir.Write("snap/ALPHA.png", "x");
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_EQ(platform::ResolvePath(dir / "snap/alpha.png"), dir / "snap/ALPHA.png");
}
