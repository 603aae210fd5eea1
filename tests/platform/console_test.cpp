// Running on the console: the video driver asked for, the virtual terminal's graphics mode
// and its return to text on every end, and whether the input devices can be read.
#include "platform/console_mode.h"
#include "platform/input_access.h"
#include "platform/video_driver_choice.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/kd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(VideoDriverChoice, FollowsTheEnvironment) {
  struct Case {
    platform::VideoEnvironment environment;
    std::string driver;
  } cases[] = {
      {{"", "", ""}, "kmsdrm"},                         // no display server: the console
      {{"", ":0", ""}, ""},                             // SDL's own order under X11 or Wayland
      {{"", "", "wayland-0"}, ""},
      {{"", ":1", "wayland-0"}, ""},
      {{"offscreen", "", ""}, "offscreen"},             // an explicit driver always wins
      {{"x11", ":5", ""}, "x11"},
      {{"dummy", ":0", "wayland-0"}, "dummy"},
      {{"kmsdrm", ":0", ""}, "kmsdrm"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::ChooseVideoDriver(c.environment), c.driver)
        << "SDL_VIDEODRIVER=" << c.environment.sdlVideoDriver << " DISPLAY=" << c.environment.display
        << " WAYLAND_DISPLAY=" << c.environment.waylandDisplay;
}

// A terminal that is not a virtual one (a pseudo-terminal, a file) is left alone.
TEST(ConsoleMode, NothingHappensOffAVirtualTerminal) {
  TempDir dir;
  const std::string file = dir.Write("not-a-tty", "");
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string pty = ::ptsname(master);
  for (const std::string& terminal : {file, pty, dir / "missing"}) {
    platform::ConsoleModeCalls calls = platform::RealConsoleModeCalls();
    calls.terminal = terminal.c_str();
    platform::SetConsoleModeCalls(calls);
    EXPECT_FALSE(platform::EnterConsoleGraphics()) << terminal;
    EXPECT_FALSE(platform::ConsoleInGraphics()) << terminal;
    platform::LeaveConsoleGraphics();
  }
  ::close(master);
  platform::SetConsoleModeCalls(platform::RealConsoleModeCalls());
}

// A stand-in virtual terminal: every mode set is written to stderr, where the death tests
// read it, and counted.
int gSets = 0;
int gMode = KD_TEXT;
int FakeGetMode(int, int* mode) {
  *mode = gMode;
  return 0;
}
int FakeSetMode(int, int mode) {
  ++gSets;
  gMode = mode;
  const char* text = mode == KD_GRAPHICS ? "[graphics]" : "[text]";
  [[maybe_unused]] ssize_t n = ::write(2, text, std::char_traits<char>::length(text));
  return 0;
}

class ConsoleModeFake : public ::testing::Test {
 protected:
  // Each death test starts a fresh program: no handler of an earlier test is in place.
  void SetUp() override {
    style_ = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    gSets = 0;
    gMode = KD_TEXT;
    terminal_ = dir_.Write("tty", "");
    platform::SetConsoleModeCalls({terminal_.c_str(), FakeGetMode, FakeSetMode});
  }
  void TearDown() override {
    platform::LeaveConsoleGraphics();
    platform::SetConsoleModeCalls(platform::RealConsoleModeCalls());
    GTEST_FLAG_SET(death_test_style, style_);
  }
  std::string style_;
  TempDir dir_;
  std::string terminal_;  // what was written to the terminal
};

TEST_F(ConsoleModeFake, GraphicsEachTimeAskedTextOnlyOnce) {
  ASSERT_TRUE(platform::EnterConsoleGraphics());
  gMode = KD_TEXT;  // a game put the terminal back in text mode at its end
  EXPECT_TRUE(platform::EnterConsoleGraphics());
  EXPECT_TRUE(platform::ConsoleInGraphics());
  EXPECT_EQ(gMode, KD_GRAPHICS);
  platform::LeaveConsoleGraphics();
  platform::LeaveConsoleGraphics();
  EXPECT_EQ(gMode, KD_TEXT);
  EXPECT_FALSE(platform::ConsoleInGraphics());
  EXPECT_EQ(gSets, 3);
  // The console's text is cleared and its cursor hidden before graphics mode; the cursor is
  // shown again with the text.
  EXPECT_EQ(dir_.Read("tty"), "\033[2J\033[H\033[?25l\033[?25h");
}

TEST_F(ConsoleModeFake, ACrashOrAnEndingSignalGivesTheTextBack) {
  for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTERM, SIGINT, SIGHUP}) {
    EXPECT_EXIT(
        {
          ::signal(signal, SIG_DFL);
          platform::EnterConsoleGraphics();
          ::raise(signal);
          std::_Exit(0);
        },
        ::testing::KilledBySignal(signal), "\\[graphics\\]\\[text\\]")
        << strsignal(signal);
  }
}

TEST_F(ConsoleModeFake, AnEndWithoutSignalGivesTheTextBack) {
  EXPECT_EXIT(
      {
        platform::EnterConsoleGraphics();
        std::exit(3);
      },
      ::testing::ExitedWithCode(3), "\\[graphics\\]\\[text\\]");
}

void NoteTerm(int) { [[maybe_unused]] ssize_t n = ::write(2, "[asked to end]", 14); }

// SDL turns SIGTERM into a close request: its handler runs, the program goes on, and the
// terminal stays in graphics mode until the program's own end.
TEST_F(ConsoleModeFake, AHandlerInstalledBeforeStillRunsAndTheProgramKeepsTheConsole) {
  EXPECT_EXIT(
      {
        ::signal(SIGTERM, NoteTerm);
        platform::EnterConsoleGraphics();
        ::raise(SIGTERM);
        if (!platform::ConsoleInGraphics()) std::_Exit(1);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "\\[graphics\\]\\[text\\]\\[asked to end\\]\\[graphics\\]\\[text\\]");
}

// Nodes this process may read and nodes it may not; only the kernel's event nodes count.
// Root reads everything: the check then runs in a child that became "nobody".
TEST(InputAccess, NamesTheEventNodesThisUserCannotRead) {
  TempDir dir;
  for (const char* name : {"event0", "event1", "event7", "mouse0", "js0"}) dir.Write(std::string("input/") + name, "");
  ::chmod((dir / "input/event0").c_str(), 0644);
  ::chmod((dir / "input/event1").c_str(), 0600);
  ::chmod((dir / "input/event7").c_str(), 0000);
  ::chmod((dir / "input/mouse0").c_str(), 0000);
  ::chmod((dir / "input/js0").c_str(), 0000);
  ::chmod(dir.path().c_str(), 0755);
  ::chmod((dir / "input").c_str(), 0755);
  const std::string input = dir / "input";

  const auto check = [&] {
    const platform::InputNodes nodes = platform::SurveyInputNodes(input);
    struct stat st {};
    ::stat((input + "/event1").c_str(), &st);
    const bool asOwner = st.st_uid == ::getuid();  // the owner reads its 0600 node
    const std::vector<std::string> expected =
        asOwner ? std::vector<std::string>{"event7"} : std::vector<std::string>{"event1", "event7"};
    return nodes.unreadable == expected && nodes.readable == 3 - static_cast<int>(expected.size());
  };
  if (::getuid() != 0) {
    EXPECT_TRUE(check());
  } else {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
      std::_Exit(check() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the child could not become nobody";
  }
  // A missing directory: no nodes, nothing to say.
  const platform::InputNodes none = platform::SurveyInputNodes(dir / "none");
  EXPECT_EQ(none.readable, 0);
  EXPECT_TRUE(none.unreadable.empty());
}

}  // namespace
