// The X11 fallback against a real X server: a private Xvfb, keys typed by xdotool.
#include "keytracker/event_source.h"
#include "keytracker/key_tracker.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <linux/input.h>
#include <sys/stat.h>

#include <chrono>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

bool HaveProgram(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

unsigned long WaitForKey(int timeoutMs) {
  for (int t = 0; t < timeoutMs; t += 20) {
    if (unsigned long k = KeyTrackerGetKey()) return k;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}


// A private Xvfb for one test: DISPLAY points at it while the object lives. Xvfb picks a
// free display itself and writes its number on descriptor 3, so the keys never go to
// another server of the machine. Without -noreset the server resets when its last client
// leaves, and a client connecting at that moment is turned away.
class PrivateServer {
 public:
  PrivateServer() {
    const char* old = std::getenv("DISPLAY");
    hadDisplay_ = old != nullptr;
    if (old) oldDisplay_ = old;
    int numberPipe[2];
    if (::pipe2(numberPipe, O_CLOEXEC) != 0) return;  // only the dup on 3 reaches Xvfb
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, numberPipe[1], 3);
    const char* argv[] = {"Xvfb", "-displayfd", "3", "-noreset", "-nolisten", "tcp", "-screen", "0", "320x240x24", nullptr};
    const bool started = ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(numberPipe[1]);
    std::string number;
    char c;
    while (started && ::read(numberPipe[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(numberPipe[0]);
    if (number.empty()) return;
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    for (int i = 0; i < 100 && !up_; ++i) {  // wait for the server to accept clients
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      up_ = std::system("xdotool getmouselocation >/dev/null 2>&1") == 0;
    }
  }
  ~PrivateServer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
    if (hadDisplay_) ::setenv("DISPLAY", oldDisplay_.c_str(), 1); else ::unsetenv("DISPLAY");
  }
  bool up() const { return up_; }

 private:
  pid_t pid_ = 0;
  bool up_ = false;
  bool hadDisplay_ = false;
  std::string oldDisplay_;
};

// A program holding the keyboard grabbed, as a full-screen emulator does, until destroyed.
class KeyboardGrab {
 public:
  KeyboardGrab() {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    const std::string program = ORV_BINARY_DIR "/tools/grab_keyboard/grab_keyboard";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const bool started = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    release_ = in[1];
    std::string said;
    char c;
    while (started && ::read(out[0], &c, 1) == 1 && c != '\n') said += c;
    ::close(out[0]);
    held_ = said == "grabbed";
  }
  ~KeyboardGrab() {
    if (release_ >= 0) ::close(release_);  // end of input: the program lets go and ends
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  }
  bool held() const { return held_; }

 private:
  pid_t pid_ = 0;
  int release_ = -1;
  bool held_ = false;
};

// A test directory of event nodes: `readable` FIFOs and nodes that cannot be opened (links
// to nothing, as a node without permission is to a user).
class Nodes {
 public:
  Nodes() { KeyTrackerTestInputDirectory(dir_.path().c_str()); }
  ~Nodes() {
    KeyTrackerTerm();
    KeyTrackerTestInputDirectory(nullptr);
    for (int fd : fds_) ::close(fd);
  }
  int AddReadable(const std::string& name) {
    ::mkfifo((dir_ / name).c_str(), 0600);
    fds_.push_back(::open((dir_ / name).c_str(), O_RDWR | O_CLOEXEC));
    return fds_.back();
  }
  void AddUnreadable(const std::string& name) { ::symlink((dir_ / "gone").c_str(), (dir_ / name).c_str()); }

 private:
  TempDir dir_;
  std::vector<int> fds_;
};

void ReleaseOn(int fd, int code) {
  input_event e[2]{};
  e[0].type = EV_KEY;
  e[0].code = static_cast<decltype(e[0].code)>(code);
  e[1].type = EV_SYN;
  ASSERT_EQ(::write(fd, e, sizeof e), static_cast<ssize_t>(sizeof e));
}

}  // namespace

TEST(KeyTrackerX11, KeysTypedOnTheServerAreRecorded) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  if (std::filesystem::exists("/dev/input")) GTEST_SKIP() << "input devices present: evdev is used";
  PrivateServer server;
  ASSERT_TRUE(server.up());

  KeyTrackerTestMode(0);
  ASSERT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 1);
  ASSERT_EQ(std::system("xdotool key 5 x 8"), 0);
  EXPECT_EQ(WaitForKey(3000), 0x38u);
  EXPECT_EQ(KeyTrackerGetKey(), 0x35u);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTerm();
  ASSERT_EQ(std::system("xdotool key 5"), 0);
  EXPECT_EQ(WaitForKey(300), 0u);
}

// A cabinet whose X server dies: Xlib ends the process when the tracker meets the dead
// connection, and the stop that the library's unload runs then must neither wait for itself
// nor join its own thread.
TEST(KeyTrackerX11, AServerGoneEndsTheProcessInsteadOfHangingIt) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  if (std::filesystem::exists("/dev/input")) GTEST_SKIP() << "input devices present: evdev is used";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        {
          PrivateServer server;
          if (!server.up()) std::_Exit(3);
          KeyTrackerTestMode(0);
          if (KeyTrackerInit(0x35, 0x36, 0x37, 0x38) != 1) std::_Exit(4);
        }  // the server is gone
        KeyTrackerTerm();
        std::_Exit(0);
      },
      // Xlib's exit (1), or the stop's own end when it came first: ended either way, and
      // not by an abort.
      [](int status) { return WIFEXITED(status); }, "");
}

TEST(KeyTrackerX11, KeysAreRecordedWhileAnotherClientGrabsTheKeyboard) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  PrivateServer server;
  ASSERT_TRUE(server.up());
  Nodes nodes;
  nodes.AddUnreadable("event0");  // no keyboard device can be read: the X11 route alone
  KeyTrackerTestMode(0);
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  KeyboardGrab grab;
  ASSERT_TRUE(grab.held());
  ASSERT_EQ(std::system("xdotool key 5"), 0);
  EXPECT_EQ(WaitForKey(3000), 0x35u);
}

// The exit combination from the server's raw presses, while the emulator grabs the keyboard.
TEST(KeyTrackerX11, AKeyHeldUnderAGrabHoldsTheExitCombination) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  PrivateServer server;
  ASSERT_TRUE(server.up());
  Nodes nodes;
  nodes.AddUnreadable("event0");
  KeyTrackerTestMode(0);
  const int keys[] = {KEY_ESC};
  KeyTrackerWatchCombination(keys, 1);
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  KeyboardGrab grab;
  ASSERT_TRUE(grab.held());
  ASSERT_EQ(std::system("xdotool keydown Escape"), 0);
  auto held = [] {
    for (int i = 0; i < 300 && KeyTrackerCombinationHeldMs() == 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return KeyTrackerCombinationHeldMs() > 0;
  };
  EXPECT_TRUE(held());
  ASSERT_EQ(std::system("xdotool keyup Escape"), 0);
  for (int i = 0; i < 300 && KeyTrackerCombinationHeldMs() > 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(KeyTrackerCombinationHeldMs(), 0u);
}

TEST(KeyTrackerX11, AnUnreadableKeyboardAddsTheX11RouteToTheReadableOnes) {
  if (!HaveProgram("Xvfb") || !HaveProgram("xdotool")) GTEST_SKIP() << "Xvfb or xdotool missing";
  PrivateServer server;
  ASSERT_TRUE(server.up());
  Nodes nodes;
  const int panel = nodes.AddReadable("event0");
  nodes.AddUnreadable("event1");
  KeyTrackerTestMode(0);
  ASSERT_EQ(KeyTrackerInit(0, 0, 0, 0), 1);
  ReleaseOn(panel, KEY_7);  // read from the device
  EXPECT_EQ(WaitForKey(3000), 0x37u);
  ASSERT_EQ(std::system("xdotool key 6"), 0);  // the server's keyboard, not read directly
  EXPECT_EQ(WaitForKey(3000), 0x36u);
  EXPECT_EQ(WaitForKey(300), 0u);  // each once
}

TEST(KeyTrackerX11, NoDeviceAndNoDisplayMeansNoTracking) {
  if (std::filesystem::exists("/dev/input")) GTEST_SKIP() << "input devices present";
  const char* oldDisplay = std::getenv("DISPLAY");
  const std::string saved = oldDisplay ? oldDisplay : "";
  ::setenv("DISPLAY", ":4999", 1);  // no server there
  KeyTrackerTestMode(0);
  EXPECT_EQ(KeyTrackerInit(0x35, 0x36, 0x37, 0x38), 0);
  KeyTrackerTestFeed(0x35);
  EXPECT_EQ(KeyTrackerGetKey(), 0u);
  KeyTrackerTerm();
  if (oldDisplay) ::setenv("DISPLAY", saved.c_str(), 1); else ::unsetenv("DISPLAY");
}

// Which keys the X11 route takes when some keyboards are read directly: the server's
// devices are matched by their node, which a virtual device does not have.
TEST(KeyTrackerX11, KeysOfDevicesReadDirectlyAreNotTakenFromTheServer) {
  using keytracker::TakenFromX11;
  keytracker::ReadNodes read;
  read.Add("/dev/input/event3");
  read.Add("/dev/input/event5");
  read.Remove("/dev/input/event5");  // unplugged: no longer read directly
  const struct {
    const char* node;
    bool taken;
  } cases[] = {
      {"/dev/input/event3", false},  // read directly
      {"/dev/input/event4", true},   // could not be opened
      {"/dev/input/event5", true},   // was read until it went away
      {"/dev/input/event30", true},  // a longer name is another node
      {"", true},                    // synthetic keys (XTEST) and other virtual devices
  };
  for (const auto& c : cases) EXPECT_EQ(TakenFromX11(c.node, &read), c.taken) << c.node;
  EXPECT_TRUE(TakenFromX11("/dev/input/event3", nullptr));  // no device read directly
}
