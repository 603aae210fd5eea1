// orvanel-session's choice between a bare X server and the console, with stand-ins for the
// menu and for X that write down how they were started.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The menu: writes down how it was started and ends as $MENU_ENDS says (a status, or "segv"
// for a crash).
constexpr const char* kMenu = R"(#!/bin/sh
echo "menu DISPLAY=${DISPLAY:-} $*" >"$(dirname "$0")/started"
if [ "${MENU_ENDS:-0}" = segv ]; then ulimit -c 0; kill -SEGV $$; fi
exit "${MENU_ENDS:-0}"
)";

// xinit CLIENT ARGS -- SERVER ARGS: writes its command line down and runs the client; like
// the real one it ends with 0 whatever the client did. $XINIT_FAILS: the server never starts.
constexpr const char* kXinit = R"(#!/bin/sh
printf '%s\n' "$*" >"$(dirname "$0")/../xinit-line"
[ -z "${XINIT_FAILS:-}" ] || exit 1
n=0
for a do [ "$a" = -- ] && break; n=$((n + 1)); done
i=0
for a do
  i=$((i + 1))
  [ "$i" -le "$n" ] && set -- "$@" "$a"
done
shift "$i"
DISPLAY=:x "$@" || true
exit 0
)";

class SessionScript : public ::testing::Test {
 protected:
  SessionScript() {
    fs::copy_file(std::string(ORV_SOURCE_DIR) + "/scripts/orvanel-session", dir / "orvanel-session");
    dir.Write("orvanel", kMenu);
    dir.Write("x/xinit", kXinit);
    dir.Write("x/Xorg", "#!/bin/sh\n");
    for (const char* f : {"orvanel-session", "orvanel", "x/xinit", "x/Xorg"})
      fs::permissions(dir / f, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    // The stand-ins' directory or none, and the few tools the scripts use: never this
    // machine's X.
    fs::create_directories(dir / "tools");
    for (const char* tool : {"dirname", "mktemp", "rm"}) {
      const std::string usr = std::string("/usr/bin/") + tool;
      fs::create_symlink(fs::exists(usr) ? usr : std::string("/bin/") + tool, fs::path(dir / "tools") / tool);
    }
    fs::create_directories(dir / "run");
  }

  struct Result {
    int status = -1;
    std::string started;  // what the menu wrote; empty: it never started
    std::string err;      // the session's standard error
  };

  // The session started with `environment` only (and --base /b); X installed or not.
  Result Run(const std::string& environment, bool xInstalled) {
    fs::remove(dir / "started");
    fs::remove(dir / "xinit-line");
    const std::string path = xInstalled ? dir.path() + "/x:" + dir.path() + "/tools" : dir.path() + "/tools";
    const std::string command = "env -i PATH=" + path + " XDG_RUNTIME_DIR=" + dir.path() + "/run " + environment +
                                " /bin/sh " + dir.path() + "/orvanel-session --base /b </dev/null >/dev/null 2>" +
                                dir.path() + "/err";
    const int status = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.started = dir.Read("started");
    if (!r.started.empty() && r.started.back() == '\n') r.started.pop_back();
    r.err = dir.Read("err");
    return r;
  }
  std::string XinitLine() const { return dir.Read("xinit-line"); }

  TempDir dir;
};

TEST_F(SessionScript, StartsXOrTheConsoleAsInstalledAndAsked) {
  const std::string x = "menu DISPLAY=:x --base /b";
  const std::string console = "menu DISPLAY= --base /b";
  struct Case {
    std::string environment;
    bool xInstalled;
    int exitCode;
    std::string started;  // empty: nothing started
  } cases[] = {
      {"", true, 0, x},
      {"", false, 0, console},
      {"ORVANEL_SESSION=kms", true, 0, console},
      {"ORVANEL_SESSION=x11", true, 0, x},
      {"ORVANEL_SESSION=x11", false, 1, ""},
      {"ORVANEL_SESSION=wayland", true, 2, ""},
      {"DISPLAY=:7", true, 0, "menu DISPLAY=:7 --base /b"},
      {"WAYLAND_DISPLAY=wayland-0 ORVANEL_SESSION=kms", true, 0, console},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.environment, c.xInstalled);
    EXPECT_EQ(r.status, c.exitCode) << c.environment << (c.xInstalled ? " with X" : " without X") << "\n" << r.err;
    EXPECT_EQ(r.started, c.started) << c.environment << (c.xInstalled ? " with X" : " without X");
  }
}

// xinit ends with 0 whatever its client did: the session must end as the menu did, or a
// crashed kiosk would never be started again.
TEST_F(SessionScript, EndsAsTheMenuEndedUnderX) {
  const struct {
    std::string menuEnds;
    int status;
  } cases[] = {{"0", 0}, {"1", 1}, {"segv", 128 + SIGSEGV}};
  for (const auto& c : cases) {
    const Result r = Run("MENU_ENDS=" + c.menuEnds, true);
    EXPECT_EQ(r.started, "menu DISPLAY=:x --base /b") << c.menuEnds;
    EXPECT_EQ(r.status, c.status) << c.menuEnds << "\n" << r.err;
    EXPECT_NE(r.err.find("the menu ended with status " + std::to_string(c.status)), std::string::npos) << r.err;
  }
  // Nothing of the session is left in the runtime directory.
  EXPECT_TRUE(fs::is_empty(dir / "run"));
}

}  // namespace
