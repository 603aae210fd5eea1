// orvanel-session's choice between a bare X server and the console, with stand-ins for the
// menu and for X that write down how they were started.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The menu: answers the lock question with $LOCKED, writes down how it was started and ends
// as $MENU_ENDS says (a status, or "segv" for a crash).
constexpr const char* kMenu = R"(#!/bin/sh
case " $* " in *" --kiosk-locked "*) exit "${LOCKED:-1}" ;; esac
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

// tty: the terminal $TTY names, none when it is empty.
constexpr const char* kTty = R"(#!/bin/sh
[ -n "${TTY:-}" ] || { echo "not a tty"; exit 1; }
echo "$TTY"
)";

class SessionScript : public ::testing::Test {
 protected:
  SessionScript() {
    fs::copy_file(std::string(ORV_SOURCE_DIR) + "/scripts/orvanel-session", dir / "orvanel-session");
    dir.Write("orvanel", kMenu);
    dir.Write("x/xinit", kXinit);
    dir.Write("x/Xorg", "#!/bin/sh\n");
    dir.Write("tools/tty", kTty);
    dir.Write("dev/dri/card0", "");  // a screen
    for (const char* f : {"orvanel-session", "orvanel", "x/xinit", "x/Xorg", "tools/tty"})
      fs::permissions(dir / f, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    // The stand-ins' directory or none, and the few tools the scripts use: never this
    // machine's X.
    fs::create_directories(dir / "tools");
    for (const char* tool : {"dirname", "mktemp", "rm", "sed", "head", "gettext", "gettext.sh", "envsubst"}) {
      const std::string usr = std::string("/usr/bin/") + tool;
      fs::create_symlink(fs::exists(usr) ? usr : std::string("/bin/") + tool, fs::path(dir / "tools") / tool);
    }
    fs::create_directories(dir / "run");
  }

  struct Result {
    int status = -1;
    std::string started;  // what the menu wrote; empty: it never started
    std::string out;      // the session's standard output
    std::string err;      // its standard error
  };

  // The session started with `environment` only, on tty1 of a machine with a screen unless
  // `environment` says otherwise; X installed or not.
  Result Run(const std::string& environment, bool xInstalled, const std::string& args = "--base /b") {
    fs::remove(dir / "started");
    fs::remove(dir / "xinit-line");
    const std::string path = xInstalled ? dir.path() + "/x:" + dir.path() + "/tools" : dir.path() + "/tools";
    const std::string command = "env -i PATH=" + path + " XDG_RUNTIME_DIR=" + dir.path() +
                                "/run TTY=/dev/tty1 ORVANEL_SESSION_DEVICES=" + dir.path() + "/dev " + environment +
                                " /bin/sh " + dir.path() + "/orvanel-session " + args + " </dev/null >" +
                                dir.path() + "/out 2>" + dir.path() + "/err";
    const int status = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.started = dir.Read("started");
    if (!r.started.empty() && r.started.back() == '\n') r.started.pop_back();
    r.out = dir.Read("out");
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
    EXPECT_NE(r.err.find("le menu s'est terminé avec le statut " + std::to_string(c.status)), std::string::npos) << r.err;
  }
  // Nothing of the session is left in the runtime directory.
  EXPECT_TRUE(fs::is_empty(dir / "run"));
}

// With the kiosk lock set (the menu's answer to --kiosk-locked), X's zap and terminal keys are
// shut too; without it they stay, for the owner at the cabinet.
TEST_F(SessionScript, ShutsXsOwnWaysOutOnlyWhileTheKioskLockIsSet) {
  const struct {
    const char* locked;  // the menu's status: 0 locked, 1 not, 2 a menu that knows no such question
    bool shut;
  } cases[] = {{"0", true}, {"1", false}, {"2", false}};
  for (const auto& c : cases) {
    const Result r = Run(std::string("LOCKED=") + c.locked, true);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.started, "menu DISPLAY=:x --base /b") << c.locked;
    const std::string line = XinitLine();
    const auto server = line.find(" -- ");
    ASSERT_NE(server, std::string::npos) << line;
    EXPECT_EQ(line.find(" -nozap", server) != std::string::npos, c.shut) << line;
    EXPECT_EQ(line.find(" -config orvanel-kiosk-lock.conf", server) != std::string::npos, c.shut) << line;
  }
  // The configuration it names turns the terminal keys off.
  const std::string conf = dir.Read(std::string(ORV_SOURCE_DIR) + "/data/orvanel-kiosk-lock.conf");
  const auto section = conf.find("Section \"ServerFlags\"");
  ASSERT_NE(section, std::string::npos) << conf;
  EXPECT_LT(section, conf.find("Option \"DontVTSwitch\" \"true\""));
  EXPECT_LT(conf.find("Option \"DontVTSwitch\""), conf.find("EndSection"));
}

// The real menu's answer to the session's question, read as the lock itself reads the setting
// (an unreadable one keeps the cabinet locked), and without starting anything.
TEST(SessionLockQuestion, TheMenuAnswersWhetherTheLockIsSet) {
  const struct {
    const char* settings;  // config/Orvanel.ini; nullptr: none
    int status;
  } cases[] = {
      {nullptr, 1},
      {"[General]\r\nLastEmu=a\r\n", 1},
      {"[General]\r\nVerrouillage=\r\n", 1},
      {"[General]\r\nVerrouillage=672+672\r\n", 0},
      {"[general]\nverrouillage= 4 \n", 0},
      {"[General]\r\nVerrouillage=Down\r\n", 0},
  };
  for (const auto& c : cases) {
    TempDir base;
    if (c.settings) base.Write("config/Orvanel.ini", c.settings);
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(ORV_BINARY_DIR) +
                                "/Orvanel --base " + base.path() + " --kiosk-locked >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.status) << (c.settings ? c.settings : "no settings");
    EXPECT_FALSE(fs::exists(base / "debug.txt")) << "the question started the menu";
  }
}

// What X needs is checked before it starts, and said in one sentence with what to do; the
// server starts on the terminal of the login.
TEST_F(SessionScript, SaysWhyXCannotStartBeforeTryingAndWhatToDo) {
  const struct {
    std::string environment;
    std::string said;  // in the one line on standard error
    bool xTried;
  } cases[] = {
      {"TTY=", "pas une connexion en console (not a tty)", false},
      {"TTY=/dev/pts/3", "pas une connexion en console (/dev/pts/3)", false},
      {"ORVANEL_SESSION_DEVICES=" + dir.path() + "/none", "aucun écran", false},
      {"XINIT_FAILS=1", "X n'a pas démarré, ses raisons sont dans ~/.local/share/xorg/Xorg.", true},
  };
  for (const auto& c : cases) {
    const Result r = Run(c.environment, true);
    EXPECT_EQ(r.status, 1) << c.environment;
    EXPECT_EQ(r.started, "") << c.environment;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << c.environment << "\n" << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(!XinitLine().empty(), c.xTried) << c.environment;
  }
  const Result r = Run("TTY=/dev/tty3", true);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(XinitLine().find(" vt3 -keeptty"), std::string::npos) << XinitLine();
}

// The session's own usage; a wrong option starts nothing.
TEST_F(SessionScript, AnswersItsOwnOptions) {
  const struct {
    std::string args;
    int status;
    std::string out, err;  // the start of each stream
  } cases[] = {
      {"--help", 0, "Usage : orvanel-session [--base DOSSIER]\n", ""},
      {"--base /b -h", 0, "Usage : orvanel-session [--base DOSSIER]\n", ""},
      {"--fullscreen", 2, "", "orvanel-session : option inconnue « --fullscreen »\nUsage : orvanel-session"},
      {"--base", 2, "", "orvanel-session : --base attend un dossier"},
  };
  for (const auto& c : cases) {
    const Result r = Run("", true, c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.args << "\n" << r.out;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.args << "\n" << r.err;
    EXPECT_EQ(r.started, "") << c.args;
  }
  EXPECT_EQ(Run("", true, "--base=/c").started, "menu DISPLAY=:x --base=/c");
}

// The session speaks as the menu does: the installation's Langue, else the locale (French
// for none); its catalogues are found beside it, as in a portable installation.
TEST_F(SessionScript, SpeaksTheOwnersLanguage) {
  if (!fs::exists(dir / "tools/gettext.sh")) GTEST_SKIP() << "gettext.sh missing (gettext-base)";
  fs::copy(std::string(ORV_BINARY_DIR) + "/locale", dir / "locale", fs::copy_options::recursive);
  dir.Write("fr/config/Orvanel.ini", "[General]\r\nLangue=fr\r\n");
  dir.Write("en/config/Orvanel.ini", "[General]\r\nLangue=en\r\n");
  const std::string english = "Usage: orvanel-session [--base DIR]\n";
  const std::string french = "Usage : orvanel-session [--base DOSSIER]\n";
  const struct {
    std::string environment, args, usage, error;
  } cases[] = {
      {"LANG=en_US.UTF-8", "--help", english, "orvanel-session: unknown option \"-x\""},
      {"LC_ALL=de_DE.UTF-8 LANG=fr_FR.UTF-8", "--help", english, "orvanel-session: unknown option \"-x\""},
      {"", "--help", french, "orvanel-session : option inconnue « -x »"},
      {"LANG=fr_CA.UTF-8", "--help", french, "orvanel-session : option inconnue « -x »"},
      {"LANG=en_US.UTF-8", "--base " + dir.path() + "/fr --help", french, "orvanel-session : option inconnue « -x »"},
      {"LANG=C", "--base=" + dir.path() + "/en --help", english, "orvanel-session: unknown option \"-x\""},
  };
  for (const auto& c : cases) {
    const Result help = Run(c.environment, true, c.args);
    EXPECT_EQ(help.out.substr(0, c.usage.size()), c.usage) << c.environment << " " << c.args << "\n" << help.err;
    const Result wrong = Run(c.environment, true, c.args.substr(0, c.args.size() - 6) + "-x");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err.substr(0, c.error.size()), c.error) << c.environment << " " << c.args << "\n" << wrong.err;
  }
}

}  // namespace
