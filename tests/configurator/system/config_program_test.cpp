// The configurator as its owner meets it: the built program copied into an installation,
// started from another directory on a private X server, driven with xdotool.
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "system/frontend_fixture.h"

namespace {

using systest::Capture;

class ConfigProgramTest : public systest::DisplayTest {
 protected:
  TempDir inst;

  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    namespace fs = std::filesystem;
    if (!fs::exists(fs::path(ORV_BINARY_DIR) / "tools/close_window/close_window"))
      GTEST_SKIP() << "close_window was not built (no X11 development files)";
    fs::copy_file(fs::path(ORV_BINARY_DIR) / "OrvanelConfig", fs::path(inst.path()) / "OrvanelConfig");
    inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=Demo\r\nEmuBase=Demo\r\nModeSortie=2\r\n"
                                     "AppSortie=halt\r\n\r\n[Touches]\r\nDownKey=672\r\n");
    inst.Write("config/Demo/config.ini", "[Config]\r\nTemplateDir=Etoiles\r\nLastGame=pacman\r\n");
    inst.Write("Templates/Etoiles/Layout.cfg", "");
  }

  std::string X(const std::string& args) const { return Capture("DISPLAY=" + display() + " xdotool " + args); }

  // The first visible window of that exact title, or "" after the timeout.
  std::string WaitForWindow(const std::string& title, int timeoutMs = 20000) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
      std::string id = X("search --onlyvisible --name '^" + title + "$' 2>/dev/null");
      if (auto nl = id.find('\n'); nl != std::string::npos) return id.substr(0, nl);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
  }
  std::size_t WindowCount(const std::string& title) const {
    const std::string ids = X("search --onlyvisible --name '^" + title + "$' 2>/dev/null");
    return std::size_t(std::count(ids.begin(), ids.end(), '\n'));
  }
  void Close(const std::string& id) const {
    std::system(("DISPLAY=" + display() + " " + ORV_BINARY_DIR + "/tools/close_window/close_window " + id).c_str());
  }
  void Keys(const std::string& window, const std::string& keys) const {
    X("windowfocus --sync " + window + " 2>/dev/null");
    X("key --delay 60 " + keys);
  }
  pid_t Start() const {
    // From the root directory: the program's own directory is the installation.
    return systest::Spawn({inst.path() + "/OrvanelConfig"}, {"DISPLAY=" + display(), "QT_QPA_PLATFORM=xcb"}, "/");
  }
  // Answers the question box (its default button) once it is there.
  void AnswerQuestion() const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (WindowCount("Configurateur Orvanel") < 2 && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    X("key Return");
  }
};

TEST_F(ConfigProgramTest, KeysTypedIntoTheCaptureReachTheFile) {
  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = Start();
  ASSERT_GT(pid, 0);
  const std::string main = WaitForWindow("Configurateur Orvanel");
  ASSERT_FALSE(main.empty());
  const auto shown = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  std::printf("first page shown %lld ms after start\n", static_cast<long long>(shown.count()));

  // Focus starts in the width field; "Config. touches" is six fields on.
  Keys(main, "Tab Tab Tab Tab Tab Tab space");
  const std::string capture = WaitForWindow("Configuration des touches");
  ASSERT_FALSE(capture.empty());
  Keys(capture, "Down Up 1 Escape Return");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Close(capture);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(WindowCount("Configuration des touches"), 0u);

  Close(main);
  AnswerQuestion();  // "Enregistrer les modifications ?": Oui
  ASSERT_EQ(systest::WaitExit(pid, 20000), std::optional<int>(0));

  const std::string text = inst.Read("config/Orvanel.ini");
  for (const char* line : {"UpKey=672\r\n", "DownKey=656\r\n", "LeftKey=4\r\n", "RightKey=2\r\n",
                           "LaunchGameKey=56\r\n", "RandomGameKey=6\r\n", "AppSortie=halt\r\n", "ModeSortie=2\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

TEST_F(ConfigProgramTest, ClosingWithoutChangesWritesNothing) {
  namespace fs = std::filesystem;
  std::map<std::string, std::pair<std::string, fs::file_time_type>> before;
  for (const auto& e : fs::recursive_directory_iterator(inst.path()))
    if (e.is_regular_file()) before[e.path()] = {inst.Read(fs::relative(e.path(), inst.path())), e.last_write_time()};
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a rewrite would show in the times

  const pid_t pid = Start();
  ASSERT_GT(pid, 0);
  const std::string main = WaitForWindow("Configurateur Orvanel");
  ASSERT_FALSE(main.empty());
  Close(main);
  AnswerQuestion();  // "Quitter l'application ?": OK
  ASSERT_EQ(systest::WaitExit(pid, 20000), std::optional<int>(0));

  std::size_t files = 0;
  for (const auto& e : fs::recursive_directory_iterator(inst.path())) {
    if (!e.is_regular_file()) continue;
    ++files;
    ASSERT_TRUE(before.count(e.path())) << "new file " << e.path();
    EXPECT_EQ(inst.Read(fs::relative(e.path(), inst.path())), before[e.path()].first) << e.path();
    EXPECT_EQ(e.last_write_time(), before[e.path()].second) << e.path();
  }
  EXPECT_EQ(files, before.size());
}

}  // namespace
