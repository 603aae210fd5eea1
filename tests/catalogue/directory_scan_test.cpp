#include <gtest/gtest.h>

#include <set>

#include <unistd.h>

#include "catalogue/catalogue_state.h"
#include "catalogue/directory_scan.h"
#include "catalogue/random.h"
#include "platform/paths.h"
#include "temp_dir.h"

using catalogue::CatalogueState;
using catalogue::CountMediaFiles;
using catalogue::PickFileAt;
using catalogue::PickRandomFile;
using catalogue::SeedRandom;

namespace {

class DirectoryScan : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue.lastPick = -1;
    SeedRandom(catalogue.random, 42);
  }
  CatalogueState catalogue;
  TempDir tmp;
};

}  // namespace

TEST_F(DirectoryScan, SingleFileIsPickedEveryTime) {
  tmp.Write("music/only.mp3", "x");
  tmp.Write("music/cover.png", "x");
  for (int i = 0; i < 5; ++i) {
    std::string dir = tmp / "music";
    ASSERT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "mp3", false), 1);
    EXPECT_EQ(dir, tmp / "music/only.mp3");
  }
}

TEST_F(DirectoryScan, TwoFilesAlternate) {
  tmp.Write("m/a.mp3", "x");
  tmp.Write("m/b.mp3", "x");
  std::string previous;
  for (int i = 0; i < 10; ++i) {
    std::string dir = tmp / "m";
    ASSERT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "mp3", false), 1);
    EXPECT_NE(dir, previous);
    previous = dir;
  }
}

TEST_F(DirectoryScan, ExtensionsMatchTheEndOfTheNameWithoutCase) {
  tmp.Write("p/a.JPG", "x");
  tmp.Write("p/b.png", "x");
  tmp.Write("p/c.jpeg", "x");
  tmp.Write("p/snapjpg", "x");
  std::string dir = tmp / "p";
  // a.JPG, b.png and the dotless snapjpg; not c.jpeg.
  EXPECT_EQ(CountMediaFiles(dir, "jpg;png", false, 0, 0), 3);
  EXPECT_EQ(dir, tmp / "p");
  // With one extension only names with that dotted extension are offered.
  EXPECT_EQ(CountMediaFiles(dir, "jpg", false, 0, 0), 1);
  // A name ending in two extensions of the list counts twice.
  EXPECT_EQ(CountMediaFiles(dir, "jpg;pg", false, 0, 0), 4);
  EXPECT_EQ(CountMediaFiles(dir, "*", false, 0, 0), 4);
}

TEST_F(DirectoryScan, RecursionSkipsDotDirectoriesAndVisitsSubdirectoriesFirst) {
  tmp.Write("s/top.png", "x");
  tmp.Write("s/sub/deep.png", "x");
  tmp.Write("s/.hidden/secret.png", "x");
  tmp.Write("s/sub/.git/x.png", "x");
  std::string dir = tmp / "s";
  EXPECT_EQ(CountMediaFiles(dir, "png;jpg", true, 0, 0), 2);
  EXPECT_EQ(CountMediaFiles(dir, "png;jpg", false, 0, 0), 1);
  EXPECT_EQ(CountMediaFiles(dir, "png;jpg", true, 0, 1), 1);
  EXPECT_EQ(dir, tmp / "s/sub/deep.png");
  dir = tmp / "s";
  EXPECT_EQ(CountMediaFiles(dir, "png;jpg", true, 0, 2), 2);
  EXPECT_EQ(dir, tmp / "s/top.png");

  std::set<std::string> picked;
  for (int i = 0; i < 20; ++i) {
    dir = tmp / "s";
    ASSERT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "png", true), 1);
    picked.insert(dir);
  }
  EXPECT_EQ(picked, (std::set<std::string>{tmp / "s/top.png", tmp / "s/sub/deep.png"}));
}

TEST_F(DirectoryScan, NoMatchKeepsTheDirectory) {
  tmp.Write("e/readme.txt", "x");
  std::string dir = tmp / "e";
  EXPECT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "mp3", true), 0);
  EXPECT_EQ(dir, tmp / "e");
  std::string missing = tmp / "nowhere";
  EXPECT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, missing, "mp3", true), 0);
  EXPECT_EQ(missing, tmp / "nowhere");
}

TEST_F(DirectoryScan, SettingPathsWithBackslashesAndOtherCaseAreFound) {
  tmp.Write("Media/Music/a.mp3", "x");
  std::string dir = tmp.path() + "\\media\\music";
  ASSERT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "mp3", false), 1);
  EXPECT_EQ(dir, tmp / "Media/Music/a.mp3");
}

TEST_F(DirectoryScan, LinkedDirectoriesAreVisitedOnce) {
  tmp.Write("s/top.png", "x");
  tmp.Write("s/sub/deep.png", "x");
  tmp.Write("elsewhere/far.png", "x");
  ASSERT_EQ(::symlink("..", (tmp / "s/sub/up").c_str()), 0);                  // a loop
  ASSERT_EQ(::symlink("sub", (tmp / "s/again").c_str()), 0);                  // a second name
  ASSERT_EQ(::symlink((tmp / "elsewhere").c_str(), (tmp / "s/far").c_str()), 0);  // a real extra
  std::string dir = tmp / "s";
  EXPECT_EQ(CountMediaFiles(dir, "png", true, 0, 0), 3);
  std::set<std::string> picked;
  for (int i = 0; i < 30; ++i) {
    dir = tmp / "s";
    ASSERT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, dir, "png", true), 1);
    picked.insert(std::string(platform::FileNamePart(dir)));
  }
  EXPECT_EQ(picked, (std::set<std::string>{"top.png", "deep.png", "far.png"}));
}

TEST_F(DirectoryScan, APickPastTheFilesLeftFailsAndKeepsTheDirectory) {
  tmp.Write("m/a.mp3", "x");
  tmp.Write("m/b.mp3", "x");
  std::string dir = tmp / "m";
  // The tree lost files between the count (3) and the pick.
  EXPECT_EQ(PickFileAt(dir, "mp3", false, 3), 0);
  EXPECT_EQ(dir, tmp / "m");
  EXPECT_EQ(PickFileAt(dir, "mp3", false, 2), 1);
  EXPECT_NE(dir, tmp / "m");
  std::string empty = tmp / "none";
  EXPECT_EQ(PickRandomFile(catalogue.random, catalogue.lastPick, empty, "mp3", false), 0);
}
