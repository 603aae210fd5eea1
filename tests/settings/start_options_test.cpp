#include "settings/start_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StartOptions, HelpVersionBaseAndEverythingElseUnknown) {
  const struct {
    std::vector<std::string> args;
    bool help, version;
    std::optional<std::string> base, unknown;
  } cases[] = {
      {{}, false, false, std::nullopt, std::nullopt},
      {{"--help"}, true, false, std::nullopt, std::nullopt},
      {{"-h"}, true, false, std::nullopt, std::nullopt},
      {{"--version"}, false, true, std::nullopt, std::nullopt},
      {{"--base", "/srv/cab"}, false, false, "/srv/cab", std::nullopt},
      {{"--base=/srv/cab"}, false, false, "/srv/cab", std::nullopt},
      {{"--base"}, false, false, std::nullopt, "--base"},
      {{"--base", ""}, false, false, std::nullopt, "--base"},
      {{"--base="}, false, false, std::nullopt, "--base="},
      {{"--frobnicate"}, false, false, std::nullopt, "--frobnicate"},
      {{"-help"}, false, false, std::nullopt, "-help"},
      {{""}, false, false, std::nullopt, ""},
      {{"/srv/cab"}, false, false, std::nullopt, "/srv/cab"},
      {{"--base", "/a", "--help"}, true, false, "/a", std::nullopt},
      {{"--help", "--nope"}, true, false, std::nullopt, "--nope"},
  };
  for (const auto& c : cases) {
    const auto o = settings::ParseStartOptions(c.args);
    const std::string name = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(o.help, c.help) << name;
    EXPECT_EQ(o.version, c.version) << name;
    EXPECT_EQ(o.base, c.base) << name;
    EXPECT_EQ(o.unknown, c.unknown) << name;
  }
  EXPECT_EQ(settings::VersionLine("Orvanel").rfind("Orvanel ", 0), 0u);
}

}  // namespace
