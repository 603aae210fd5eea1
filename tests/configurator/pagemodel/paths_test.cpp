#include <gtest/gtest.h>

#include <filesystem>

#include "configurator/pagemodel/installation.h"
#include "platform/paths.h"
#include "temp_dir.h"

namespace {

TEST(MakeRelativePath, StripsOnlyAWholeBaseDirectory) {
  const struct {
    const char* base;
    const char* path;
    const char* expected;
  } cases[] = {
      {"/opt/orv", "/opt/orv/roms", "roms"},
      {"/opt/orv", "/opt/orv/media/snap", "media/snap"},
      {"/opt/orv", "/OPT/Orv/roms", "/OPT/Orv/roms"},  // another folder on Linux
      {"/home/u/arcade", "/home/u/Arcade/roms", "/home/u/Arcade/roms"},
      {"/opt/orv", "/opt/orv2/roms", "/opt/orv2/roms"},
      {"/opt/orv", "/opt/or", "/opt/or"},
      {"/opt/orv", "/srv/roms", "/srv/roms"},
      {"/opt/orv", "/opt/orv", "."},
      {"/opt/orv", "/opt/orv/", "."},
      {"/opt/orv/", "/opt/orv/roms", "roms"},
      {"/opt/orv", "/opt/orv//roms", "roms"},
      {"", "/opt/orv/roms", "/opt/orv/roms"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::MakeRelativePath(c.base, c.path), c.expected) << c.path;
}

// A relative --base is made absolute at start, so chosen folders below it stay relative.
TEST(AbsolutePath, ARelativeBaseStillTakesChosenFoldersBelowIt) {
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(platform::AbsolutePath("arcade"), cwd + "/arcade");
  EXPECT_EQ(platform::AbsolutePath("./arcade/"), cwd + "/arcade/");
  EXPECT_EQ(platform::AbsolutePath("/opt/x/../orv"), "/opt/orv");
  EXPECT_EQ(platform::MakeRelativePath(platform::AbsolutePath("arcade"), cwd + "/arcade/roms"), "roms");
}

TEST(ExpandPath, FollowsTheFrontendsRuleAndFindsAnyLetterCase) {
  TempDir dir;
  dir.Write("Media/Snap/x.png", "");
  const std::string b = dir.path();
  EXPECT_EQ(cfg::ExpandPath(b, ""), "");
  EXPECT_EQ(cfg::ExpandPath(b, "media\\snap"), b + "/Media/Snap");
  EXPECT_EQ(cfg::ExpandPath(b, ".\\media\\snap"), b + "/Media/Snap");
  EXPECT_EQ(cfg::ExpandPath(b, "/usr/games"), "/usr/games");
  // The round trip the folder choosers make.
  EXPECT_EQ(cfg::ExpandPath(b, platform::MakeRelativePath(b, b + "/Media/Snap")), b + "/Media/Snap");
  EXPECT_EQ(cfg::ExpandPath(b, platform::MakeRelativePath(b, b)), b);
}

TEST(Installation, ListsConfigurationsAndTemplatesSortedWithoutHiddenOnes) {
  TempDir dir;
  dir.Write("config/Zeta/config.ini", "");
  dir.Write("config/Alpha/config.ini", "");
  dir.Write("config/.git/x", "");
  dir.Write("config/Orvanel.ini", "");
  dir.Write("templates/Etoiles/Layout.cfg", "");
  EXPECT_EQ(cfg::ConfigurationNames(dir.path()), (std::vector<std::string>{"Alpha", "Zeta"}));
  EXPECT_EQ(cfg::TemplateNames(dir.path()), (std::vector<std::string>{"Etoiles"}));
  EXPECT_EQ(cfg::ConfigurationFile(dir.path(), "alpha"), dir.path() + "/config/Alpha/config.ini");
  EXPECT_TRUE(cfg::ConfigurationNames(dir / "none").empty());
}

}  // namespace
