// orvanel-session's choice between a bare X server and the console, with stand-ins for the
// menu and for X that write down how they were started.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(SessionScript, StartsXOrTheConsoleAsInstalledAndAsked) {
  namespace fs = std::filesystem;
  TempDir dir;
  fs::copy_file(std::string(ORV_SOURCE_DIR) + "/scripts/orvanel-session", dir / "orvanel-session");
  dir.Write("orvanel", "#!/bin/sh\necho \"menu DISPLAY=${DISPLAY:-} $*\" > \"$(dirname \"$0\")/started\"\n");
  dir.Write("x/xinit", "#!/bin/sh\necho \"xinit $1\" > \"" + dir.path() + "/started\"\n");
  dir.Write("x/Xorg", "#!/bin/sh\n");
  for (const char* f : {"orvanel-session", "orvanel", "x/xinit", "x/Xorg"})
    fs::permissions(dir / f, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  // The stand-ins' directory or none, and the one tool the scripts use: never this machine's X.
  fs::create_directories(dir / "tools");
  fs::create_symlink(fs::exists("/usr/bin/dirname") ? "/usr/bin/dirname" : "/bin/dirname", dir / "tools/dirname");
  const std::string toolPath = dir / "tools";
  struct Case {
    std::string environment;
    bool xInstalled;
    int exitCode;
    std::string started;  // what the stand-ins wrote; empty: nothing started
  } cases[] = {
      {"", true, 0, "xinit " + dir.path() + "/orvanel"},
      {"", false, 0, "menu DISPLAY= --base /b"},
      {"ORVANEL_SESSION=kms", true, 0, "menu DISPLAY= --base /b"},
      {"ORVANEL_SESSION=x11", true, 0, "xinit " + dir.path() + "/orvanel"},
      {"ORVANEL_SESSION=x11", false, 1, ""},
      {"ORVANEL_SESSION=wayland", true, 2, ""},
      {"DISPLAY=:7", true, 0, "menu DISPLAY=:7 --base /b"},
      {"WAYLAND_DISPLAY=wayland-0 ORVANEL_SESSION=kms", true, 0, "menu DISPLAY= --base /b"},
  };
  for (const Case& c : cases) {
    fs::remove(dir / "started");
    const std::string path = c.xInstalled ? dir.path() + "/x:" + toolPath : toolPath;
    const std::string command = "env -i PATH=" + path + " " + c.environment + " /bin/sh " + dir.path() +
                                "/orvanel-session --base /b >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << c.environment << (c.xInstalled ? " with X" : " without X");
    std::string started = dir.Read("started");
    if (!started.empty() && started.back() == '\n') started.pop_back();
    EXPECT_EQ(started, c.started) << c.environment << (c.xInstalled ? " with X" : " without X");
  }
}

}  // namespace
