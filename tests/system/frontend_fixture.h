// Whole-program tests: the built frontend copied into an installation directory of its
// own and run on a private Xvfb display.
#pragma once

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <glob.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace systest {

inline bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Output of a shell command (test tooling only: xdotool, xwininfo).
inline std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
  }
  return out;
}

inline pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const std::string& cwd, posix_spawn_file_actions_t* actions = nullptr) {
  std::vector<std::string> envStore;
  for (char** e = environ; *e; ++e) {
    std::string entry(*e);
    bool replaced = false;
    for (const auto& mine : env)
      if (entry.substr(0, entry.find('=') + 1) == mine.substr(0, mine.find('=') + 1)) replaced = true;
    if (!replaced) envStore.push_back(entry);
  }
  for (const auto& mine : env) envStore.push_back(mine);
  // In the sanitizer run the whole programs still stop at memory errors, but not at leaks: SDL's
  // X11, audio and D-Bus threads keep lifetime allocations whose stacks end in uninstrumented
  // libraries, so LeakSanitizer cannot tell them apart. Our own code's leaks are checked by the
  // unit tests, which run in-process.
  for (auto& e : envStore)
    if (e.rfind("ASAN_OPTIONS=", 0) == 0) e += ":detect_leaks=0";
  std::vector<char*> cenv, cargv;
  for (auto& e : envStore) cenv.push_back(e.data());
  cenv.push_back(nullptr);
  std::vector<std::string> args = argv;
  for (auto& a : args) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  // The working directory must not matter to the frontend: start it elsewhere.
  const std::string oldCwd = std::filesystem::current_path();
  std::filesystem::current_path(cwd);
  pid_t pid = -1;
  if (::posix_spawnp(&pid, cargv[0], actions, nullptr, cargv.data(), cenv.data()) != 0) pid = -1;
  std::filesystem::current_path(oldCwd);
  return pid;
}

// Waits for a child; the exit code, or nothing when it is still running after timeoutMs.
inline std::optional<int> WaitExit(pid_t pid, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (r < 0) return -1;
    if (std::chrono::steady_clock::now() > end) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// A private X server; the display number is chosen by the server itself (-displayfd).
class XServer {
 public:
  bool Start() {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_ = Spawn({"Xvfb", "-displayfd", "3", "-noreset", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}, "/",
                 &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    std::string number;
    char c;
    while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number.push_back(c);
    ::close(fds[0]);
    if (number.empty()) return false;
    display_ = ":" + number;
    return true;
  }
  ~XServer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      if (!WaitExit(pid_, 5000)) {
        ::kill(pid_, SIGKILL);
        WaitExit(pid_, 5000);
      }
    }
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// An installation directory holding a copy of the built programs.
class Installation : public TempDir {
 public:
  Installation() {
    namespace fs = std::filesystem;
    const fs::path bin = ORV_BINARY_DIR;
    fs::copy_file(bin / "Orvanel", fs::path(path()) / "Orvanel");
    for (const char* lib : {"liborvanel.so", "liborvanel-video.so"})
      if (fs::exists(bin / lib)) fs::copy_file(bin / lib, fs::path(path()) / lib);
  }
  std::string program() const { return path() + "/Orvanel"; }
  // XDG_CACHE_HOME for a frontend started on this installation.
  std::string CacheVariable() const { return "XDG_CACHE_HOME=" + path() + "/cache"; }
  // debug.txt once it holds `text` (from byte `from` on), or as it is after timeoutMs.
  std::string WaitForLog(const std::string& text, int timeoutMs, std::size_t from = 0) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      std::string log = Read("debug.txt");
      log = log.size() > from ? log.substr(from) : std::string();
      if (log.find(text) != std::string::npos || std::chrono::steady_clock::now() > end) return log;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
};

// A windowed 640 x 480 cabinet without transitions or sounds that starts on the configuration
// "arcade" (list lists\arcade.txt) with `templateDir`, plus `configLines` in its config.ini.
inline void WriteWindowedArcade(Installation& inst, const std::string& templateDir, const std::string& configLines) {
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=arcade\r\nModeFenetre=OUI\r\nLargFen=640\r\n"
                                   "HautFen=480\r\nTransitions=NO\r\n");
  inst.Write("config/arcade/config.ini", "[Config]\r\nTemplateDir=" + templateDir +
                                             "\r\nFichierDescription=lists\\arcade.txt\r\nSons=NO\r\n" + configLines);
}

// The frontend running on a display, ended by the test or by the fixture.
class Frontend {
  static std::vector<std::string> WithInstallationFolders(const Installation& inst, std::vector<std::string> env) {
    env.insert(env.begin(), {"XDG_DATA_HOME=" + inst.path() + "/user-data", inst.CacheVariable()});
    return env;
  }

 public:
  // An empty display starts the frontend with no X server to talk to. Its cache (the
  // renderer's verdict) is the installation's, and a directory without settings sends it to
  // the test's own data folder: never the developer's.
  Frontend(const Installation& inst, const std::string& display, std::vector<std::string> env = {})
      : Frontend({inst.program()}, display, WithInstallationFolders(inst, std::move(env))) {}
  Frontend(const std::vector<std::string>& argv, const std::string& display, const std::vector<std::string>& env)
      : display_(display) {
    std::vector<std::string> all = env;
    // The defaults, unless the test sets the variable itself.
    for (const std::string& d : {"DISPLAY=" + (display.empty() ? std::string(":999") : display),
                                 std::string("ORVANEL_MESSAGES=log"), std::string("SDL_VIDEODRIVER=x11"),
                                 std::string("SDL_AUDIODRIVER=dummy")}) {
      const std::string name = d.substr(0, d.find('=') + 1);
      if (std::none_of(env.begin(), env.end(), [&](const std::string& e) { return e.rfind(name, 0) == 0; }))
        all.push_back(d);
    }
    pid_ = Spawn(argv, all, "/");
  }
  ~Frontend() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      WaitExit(pid_, 5000);
    }
  }
  pid_t pid() const { return pid_; }

  // The id of the visible main window, once it is there.
  std::string WaitForWindow(int timeoutMs = 30000) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
      std::string id = Capture("DISPLAY=" + display_ + " xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null");
      if (auto nl = id.find('\n'); nl != std::string::npos) return id.substr(0, nl);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
  }
  // The window's close request, as a window manager sends it.
  void Close(const std::string& windowId) const {
    const std::string tool = std::string(ORV_BINARY_DIR) + "/tools/close_window/close_window";
    // SDL may replace the window when it sets up its renderer (slow sanitizer builds show the
    // first one to the search): close the one that is there now.
    std::string id = WaitForWindow(1000);
    if (id.empty()) id = windowId;
    std::system(("DISPLAY=" + display_ + " " + tool + " " + id).c_str());
  }
  std::optional<int> Wait(int timeoutMs = 30000) {
    auto code = WaitExit(pid_, timeoutMs);
    if (code) exited_ = true;
    return code;
  }

 private:
  std::string display_;
  pid_t pid_ = -1;
  bool exited_ = false;
};

// Tests that share one private X server per suite; they are skipped when the X tools are
// missing.
// xdotool types through the X server; a key tracker that reads keyboards straight from
// /dev/input never sees those keys.
inline bool MachineHasReadableKeyboards() {
  glob_t g{};
  bool readable = false;
  if (::glob("/dev/input/event*", 0, nullptr, &g) == 0) {
    for (std::size_t i = 0; i < g.gl_pathc; ++i) readable = readable || ::access(g.gl_pathv[i], R_OK) == 0;
  }
  ::globfree(&g);
  return readable;
}

class DisplayTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!HasProgram("Xvfb") || !HasProgram("xdotool") || !HasProgram("xwininfo")) return;
    server_ = new XServer;
    if (!server_->Start()) {
      delete server_;
      server_ = nullptr;
    }
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (!server_) GTEST_SKIP() << "Xvfb, xdotool or xwininfo missing (scripts/install-deps.sh installs them)";
  }
  const std::string& display() const { return server_->display(); }

  static inline XServer* server_ = nullptr;
};

// Client width and height of a window, from xwininfo.
inline std::pair<int, int> WindowSize(const std::string& display, const std::string& id) {
  const std::string info = Capture("DISPLAY=" + display + " xwininfo -id " + id);
  auto number = [&](const std::string& label) {
    auto pos = info.find(label);
    return pos == std::string::npos ? -1 : std::atoi(info.c_str() + pos + label.size());
  };
  return {number("Width:"), number("Height:")};
}

// The colour (0xRRGGBB) of one pixel of the whole screen, or nothing when it cannot be read.
// The screen is read, as a window of a GL renderer does not always give its pixels to a
// capture of its own.
inline std::optional<std::uint32_t> ScreenPixel(const std::string& display, int x, int y) {
  const std::string out = Capture("DISPLAY=" + display + " import -window root -crop 1x1+" + std::to_string(x) + "+" +
                                  std::to_string(y) + " -depth 8 txt:- 2>/dev/null");
  const auto hash = out.rfind('#');  // the first one opens the header line
  if (hash == std::string::npos || out.size() < hash + 7) return std::nullopt;
  return static_cast<std::uint32_t>(std::strtoul(out.substr(hash + 1, 6).c_str(), nullptr, 16));
}

}  // namespace systest
