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
  pid_t Start(std::vector<std::string> env = {}) const {
    env.push_back("DISPLAY=" + display());
    env.push_back("QT_QPA_PLATFORM=xcb");
    // From the root directory: the program's own directory is the installation.
    return systest::Spawn({inst.path() + "/OrvanelConfig"}, env, "/");
  }
  // Answers the question box (its default button) once it is there.
  void AnswerQuestion(const std::string& caption = "Configurateur Orvanel") const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (WindowCount(caption) < 2 && std::chrono::steady_clock::now() < end)
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

// The texts follow [General] Langue, else the locale: the window's and the key dialog's
// titles come from the Qt catalogue, --help from the gettext one, both found beside the
// program as a portable installation has them.
TEST_F(ConfigProgramTest, SpeaksTheLanguageOfTheLocaleUnlessLangueSaysOtherwise) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(ORV_BINARY_DIR) / "locale", fs::path(inst.path()) / "locale", fs::copy_options::recursive);
  const std::vector<std::string> kNoLocale = {"LC_ALL=", "LC_MESSAGES=", "LANG=", "LANGUAGE="};
  const std::vector<std::string> kEnglish = {"LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8", "LANGUAGE="};
  const std::vector<std::string> kFrench = {"LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=", "LANG=", "LANGUAGE="};
  const struct {
    const char* what;
    std::vector<std::string> env;
    const char* langue;
    const char* caption;
    const char* keyDialog;
    const char* help;
  } cases[] = {
      {"English locale", kEnglish, "", "Orvanel Configurator", "Key setup", "Usage: orvanel-config [--base FOLDER]\n"},
      {"no locale", kNoLocale, "", "Configurateur Orvanel", "Configuration des touches",
       "Usage : orvanel-config [--base DOSSIER]\n"},
      {"Langue=fr under English", kEnglish, "fr", "Configurateur Orvanel", "Configuration des touches",
       "Usage : orvanel-config [--base DOSSIER]\n"},
      {"Langue=en under French", kFrench, "en", "Orvanel Configurator", "Key setup",
       "Usage: orvanel-config [--base FOLDER]\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    inst.Write("config/Orvanel.ini",
               std::string("[General]\r\nLastEmu=Demo\r\nEmuBase=Demo\r\nLangue=") + c.langue + "\r\n");
    std::string command = "env";
    for (const std::string& e : c.env) command += " '" + e + "'";
    const std::string help = Capture(command + " '" + inst.path() + "/OrvanelConfig' --help");
    EXPECT_EQ(help.rfind(c.help, 0), 0u) << help;
    const std::string unknown = Capture(command + " '" + inst.path() + "/OrvanelConfig' --nothing 2>&1");
    EXPECT_EQ(unknown.find(c.help), unknown.find('\n') + 1) << unknown;  // the error line, then the usage

    const pid_t pid = Start(c.env);
    ASSERT_GT(pid, 0);
    const std::string main = WaitForWindow(c.caption);
    ASSERT_FALSE(main.empty()) << c.caption;
    Keys(main, "Tab Tab Tab Tab Tab Tab space");  // "Config. touches", as above
    const std::string capture = WaitForWindow(c.keyDialog);
    EXPECT_FALSE(capture.empty()) << c.keyDialog;
    if (!capture.empty()) Close(capture);
    Close(main);
    AnswerQuestion(c.caption);  // a question in the same language, captioned as the window
    ASSERT_EQ(systest::WaitExit(pid, 20000), std::optional<int>(0));
  }
}

}  // namespace
