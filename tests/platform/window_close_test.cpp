// Ending a game's process group gently on a private X server: its windows asked to close
// first, then SIGTERM, then SIGKILL, and only the windows of that group are asked.
#include "platform/process.h"
#include "platform/window_close.h"

#include "system/frontend_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using platform::EndedBy;

std::string GameWindowTool() { return std::string(ORV_BINARY_DIR) + "/tools/game_window/game_window"; }

// The tool's window, started in a process group of its own as the launch does, once mapped.
std::optional<platform::ProcessHandle> StartWindow(const std::string& options, const std::string& record) {
  std::vector<std::string> args = {GameWindowTool()};
  for (std::size_t at = 0; at < options.size();) {
    const std::size_t space = options.find(' ', at);
    const std::string word = options.substr(at, space == std::string::npos ? std::string::npos : space - at);
    if (!word.empty()) args.push_back(word);
    at = space == std::string::npos ? options.size() : space + 1;
  }
  args.insert(args.end(), {"--record", record});
  auto process = platform::SpawnProcess(args[0], args, "");
  for (int i = 0; process && i < 500; ++i) {
    std::ifstream in(record);
    std::string line;
    if (std::getline(in, line) && line == "mapped") return process;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

class WindowCloseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!systest::HasProgram("Xvfb")) return;
    server_ = new systest::XServer;
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
    if (!server_) GTEST_SKIP() << "Xvfb missing (scripts/install-deps.sh installs it)";
    const char* old = std::getenv("DISPLAY");
    if (old) oldDisplay_ = old;
    ::setenv("DISPLAY", server_->display().c_str(), 1);
  }
  void TearDown() override {
    if (oldDisplay_) ::setenv("DISPLAY", oldDisplay_->c_str(), 1);
    else ::unsetenv("DISPLAY");
  }

  static inline systest::XServer* server_ = nullptr;
  std::optional<std::string> oldDisplay_;
  TempDir dir_;
};

TEST_F(WindowCloseTest, EachStepEndsTheGamesThatHeedItAndOnlyThem) {
  // Another program's window, which takes close requests: never asked.
  auto bystander = StartWindow("--close", dir_ / "bystander.record");
  ASSERT_TRUE(bystander);

  struct Case {
    const char* options;
    bool display;  // the close request can be sent
    EndedBy expected;
    bool closedByRequest;
  };
  const Case cases[] = {
      {"--close --ignore-term", true, EndedBy::kCloseRequest, true},
      {"", true, EndedBy::kTerminate, false},             // ignores the request, not SIGTERM
      {"--ignore-term", true, EndedBy::kKill, false},     // ignores everything
      {"--close --ignore-term", false, EndedBy::kKill, false},  // no X display: no request
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.options) + (c.display ? "" : ", no display"));
    const std::string record = dir_ / ("game" + std::to_string(n++) + ".record");
    auto game = StartWindow(c.options, record);
    ASSERT_TRUE(game);
    if (!c.display) ::unsetenv("DISPLAY");
    EXPECT_EQ(static_cast<int>(platform::EndProcessGroup(*game, 2000, 300)), static_cast<int>(c.expected));
    ::setenv("DISPLAY", server_->display().c_str(), 1);
    EXPECT_FALSE(game->running());
    EXPECT_EQ(dir_.Read(record.substr(dir_.path().size() + 1)).find("closed by request") != std::string::npos,
              c.closedByRequest);
  }
  EXPECT_EQ(platform::WaitProcess(*bystander, 0), platform::WaitResult::kTimedOut) << "another program was closed";
  EXPECT_EQ(dir_.Read("bystander.record"), "mapped\n");
  EXPECT_EQ(platform::AskGroupWindowsToClose(bystander->pid()), 1);
  EXPECT_EQ(platform::WaitProcess(*bystander, 5000), platform::WaitResult::kExited);
}

}  // namespace
