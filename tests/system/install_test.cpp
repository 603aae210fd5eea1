// The installed suite: `cmake --install` into a staging root as the package does it, the
// files where the package expects them, and the installed programs as a user meets them.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;
using systest::Capture;

struct Output {
  int code = -1;
  std::string out, err;
};

// A program's exit code and both output streams.
Output RunProgram(const std::string& command) {
  TempDir streams;
  Output r;
  r.code = std::system((command + " >" + streams / "out" + " 2>" + streams / "err").c_str());
  r.code = WIFEXITED(r.code) ? WEXITSTATUS(r.code) : -1;
  r.out = streams.Read("out");
  r.err = streams.Read("err");
  return r;
}

class Installed : public systest::DisplayTest {
 protected:
  static void SetUpTestSuite() {
    DisplayTest::SetUpTestSuite();
    root_ = new TempDir;
    const std::string command = "DESTDIR=" + root_->path() + " cmake --install " + ORV_BINARY_DIR +
                                " --prefix /usr >/dev/null 2>&1";
    installed_ = std::system(command.c_str()) == 0;
  }
  static void TearDownTestSuite() {
    delete root_;
    root_ = nullptr;
    DisplayTest::TearDownTestSuite();
  }
  void SetUp() override { ASSERT_TRUE(installed_) << "cmake --install failed"; }

  static std::string Usr(const std::string& rest) { return root_->path() + "/usr/" + rest; }

  static inline TempDir* root_ = nullptr;
  static inline bool installed_ = false;
};

TEST_F(Installed, FilesAreWhereThePackageExpectsThemAndValidate) {
  for (const char* f : {"games/orvanel", "games/orvanel-config", "games/orvanel-session", "libexec/orvanel/demo_emulator",
                        "share/orvanel/demo/config/Orvanel.ini", "share/orvanel/demo/config/Demo/config.ini",
                        "share/orvanel/demo/config/Demo/Demo.txt", "share/orvanel/demo/Templates/Etoiles/Layout.cfg",
                        "share/orvanel/demo/demo_emulator", "share/orvanel/Sound/Intro.wav",
                        "share/applications/org.orvanel.Orvanel.desktop",
                        "share/applications/org.orvanel.OrvanelConfig.desktop",
                        "share/metainfo/org.orvanel.Orvanel.metainfo.xml",
                        "share/icons/hicolor/scalable/apps/org.orvanel.Orvanel.svg",
                        "share/icons/hicolor/128x128/apps/org.orvanel.Orvanel.png", "share/man/man6/orvanel.6",
                        "share/man/man6/orvanel-config.6", "share/man/man6/orvanel-session.6",
                        "share/man/fr/man6/orvanel.6", "share/man/fr/man6/orvanel-config.6",
                        "share/man/fr/man6/orvanel-session.6", "share/locale/en/LC_MESSAGES/orvanel.mo",
                        "lib/systemd/system/orvanel-kiosk@.service", "share/doc/orvanel/guide.md",
                        "share/doc/orvanel/pictures/menu.png"})
    EXPECT_TRUE(fs::exists(Usr(f))) << f;
  EXPECT_TRUE(fs::exists(root_->path() + "/etc/X11/orvanel-kiosk-lock.conf"));  // where X looks
  // The key tracker and the clip decoder in the package's private folder, where the
  // frontend's run path looks.
  std::vector<std::string> libraries;
  for (const auto& e : fs::recursive_directory_iterator(Usr("lib")))
    if (e.path().filename() == "liborvanel.so" || e.path().filename() == "liborvanel-video.so")
      libraries.push_back(e.path().parent_path().filename().string() + "/" + e.path().filename().string());
  std::sort(libraries.begin(), libraries.end());
  EXPECT_EQ(libraries, (std::vector<std::string>{"orvanel/liborvanel-video.so", "orvanel/liborvanel.so"}));
  // Nothing executable among the shared data but the emulator's link.
  for (const auto& e : fs::recursive_directory_iterator(Usr("share/orvanel"))) {
    if (e.is_regular_file() && !e.is_symlink()) {
      EXPECT_EQ(fs::status(e.path()).permissions() & fs::perms::others_exec, fs::perms::none) << e.path();
    }
  }

  if (systest::HasProgram("desktop-file-validate")) {
    for (const char* d : {"org.orvanel.Orvanel.desktop", "org.orvanel.OrvanelConfig.desktop"}) {
      const Output r = RunProgram("desktop-file-validate " + Usr("share/applications/") + d);
      EXPECT_EQ(r.code, 0) << d << r.out << r.err;
      EXPECT_EQ(r.out + r.err, "") << d;
    }
  }
  if (systest::HasProgram("appstreamcli")) {
    const Output r = RunProgram("appstreamcli validate --no-net " + Usr("share/metainfo/org.orvanel.Orvanel.metainfo.xml"));
    EXPECT_EQ(r.code, 0) << r.out << r.err;
  }
}

TEST_F(Installed, ManPagesRenderAndListTheOptionsOfTheUsage) {
  if (!systest::HasProgram("man")) GTEST_SKIP() << "man-db missing";
  const struct {
    const char* program;
    const char* page;
  } pages[] = {{"games/orvanel", "orvanel.6"},
               {"games/orvanel-config", "orvanel-config.6"},
               {"games/orvanel-session", "orvanel-session.6"}};
  // English in man6, French in fr/man6, where man finds it for a French locale.
  for (const auto& p : pages) for (const std::string folder : {"share/man/man6/", "share/man/fr/man6/"}) {
    const std::string page = Usr(folder) + p.page;
    const Output r = RunProgram("MANWIDTH=80 man --warnings -l " + page);
    EXPECT_EQ(r.code, 0) << page << r.err;
    EXPECT_EQ(r.err, "") << page;
    EXPECT_NE(r.out.find("SYNOPSIS"), std::string::npos) << page;
    EXPECT_NE(r.out.find(folder.find("/fr/") == std::string::npos ? "LANGUAGE" : "LANGUE"), std::string::npos) << page;
    // Every option the usage names is in the page.
    std::ifstream in(page);
    std::string source((std::istreambuf_iterator<char>(in)), {});
    source = std::regex_replace(source, std::regex(R"(\\-)"), "-");
    const std::string usage = RunProgram(Usr(p.program) + " --help").out;
    const std::regex option(R"(--[a-z-]+)");
    int count = 0;
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator(); ++it, ++count)
      EXPECT_NE(source.find(it->str()), std::string::npos) << page << " lacks " << it->str();
    EXPECT_GE(count, 3) << usage;
  }
}

TEST_F(Installed, BothProgramsAnswerHelpVersionAndRefuseUnknownOptions) {
  for (const std::string program : {"orvanel", "orvanel-config"}) {
    const std::string path = Usr("games/" + program);
    // No display: the answers must come before any window is tried.
    const std::string env = "env -u DISPLAY QT_QPA_PLATFORM=xcb HOME=" + root_->path() + " ";
    const Output help = RunProgram(env + path + " --help");
    EXPECT_EQ(help.code, 0) << program;
    EXPECT_NE(help.out.find("Usage : " + program), std::string::npos) << program << help.out;
    EXPECT_EQ(help.err, "") << program;
    const Output version = RunProgram(env + path + " --version");
    EXPECT_EQ(version.code, 0) << program;
    EXPECT_TRUE(std::regex_search(version.out, std::regex(R"(^Orvanel(Config)? \d+\.\d+\.\d+\n$)"))) << version.out;
    for (const char* bad : {"--frobnicate", "--base", "extra"}) {
      const Output r = RunProgram(env + path + " " + bad);
      EXPECT_EQ(r.code, 2) << program << " " << bad;
      EXPECT_EQ(r.out, "") << program << " " << bad;
      EXPECT_NE(r.err.find("Usage : " + program), std::string::npos) << program << " " << bad;
    }
  }
  EXPECT_FALSE(fs::exists(root_->path() + "/.local")) << "an answer made an installation";
}

TEST_F(Installed, SelfCheckReportsTheMachineWithoutOpeningTheMenu) {
  const std::string path = Usr("games/orvanel");
  const std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy HOME=" + root_->path() + " ";
  // Before the first start: the installation is not made yet, and this machine has no
  // screen outside X (no /dev/dri): one error, nothing made, no menu.
  const Output first = RunProgram(env + path + " --check");
  EXPECT_EQ(first.code, 1) << first.out;
  EXPECT_NE(first.out.find("ATTENTION   Installation : "), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("ERREUR      \xC3\x89\x63ran : ni X11 ni Wayland"), std::string::npos) << first.out;
  EXPECT_FALSE(fs::exists(root_->path() + "/.local")) << "the check made an installation";

  // The shipped demo under X: its emulator is found beside the package's programs; the
  // JSON says the same as the text, line for line.
  TempDir copy;
  fs::copy(Usr("share/orvanel/demo"), copy / "demo", fs::copy_options::recursive);
  const std::string underX = "DISPLAY=" + display() + " SDL_AUDIODRIVER=dummy HOME=" + root_->path() + " ";
  const Output text = RunProgram(underX + path + " --check --base " + (copy / "demo"));
  const Output json = RunProgram(underX + path + " --check --json --base " + (copy / "demo"));
  EXPECT_EQ(text.code, 0) << text.out;
  EXPECT_EQ(json.code, 0) << json.out;
  EXPECT_EQ(text.out.find("ERREUR"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Demo : \xC3\xA9mulateur "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("OK          \xC3\x89\x63ran : serveur X11 " + display()), std::string::npos) << text.out;
  EXPECT_NE(json.out.find("\"errors\": 0"), std::string::npos) << json.out;
  const auto lines = std::count(text.out.begin(), text.out.end(), '\n');
  const auto entries = std::count(json.out.begin(), json.out.end(), '{') - 1;
  EXPECT_EQ(lines, entries) << json.out;
  // English under an English locale, the verdict words too.
  const Output english = RunProgram("LANG=en_US.UTF-8 " + underX + path + " --check --base " + (copy / "demo"));
  EXPECT_NE(english.out.find("OK          Screen: X11 server " + display()), std::string::npos) << english.out;
}

// Distinct colours on a grid over the window: the demo's menu has many, an empty window one.
std::size_t ColoursShown(const std::string& display, const std::string& window) {
  const std::string info = Capture("DISPLAY=" + display + " xwininfo -id " + window);
  auto number = [&](const std::string& label) {
    const auto pos = info.find(label);
    return pos == std::string::npos ? 0 : std::atoi(info.c_str() + pos + label.size());
  };
  const int x0 = number("Absolute upper-left X:"), y0 = number("Absolute upper-left Y:");
  std::set<std::uint32_t> colours;
  for (int gx = 1; gx < 6; ++gx)
    for (int gy = 1; gy < 6; ++gy)
      if (auto c = systest::ScreenPixel(display, x0 + gx * 800 / 6, y0 + gy * 600 / 6)) colours.insert(*c);
  return colours.size();
}

TEST_F(Installed, FirstStartMakesTheUsersInstallationFromTheDemoAndTheSecondReusesIt) {
  TempDir home;
  const std::string data = home.path() + "/.local/share/orvanel";
  auto start = [&] {
    return std::make_unique<systest::Frontend>(
        std::vector<std::string>{Usr("games/orvanel")}, display(),
        std::vector<std::string>{"HOME=" + home.path(), "XDG_DATA_HOME="});
  };
  {
    auto f = start();
    const std::string id = f->WaitForWindow();
    ASSERT_FALSE(id.empty()) << home.Read(".local/share/orvanel/debug.txt");
    // The first frames and pictures, however long a loaded machine takes to draw them.
    std::size_t colours = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((colours = ColoursShown(display(), id)) < 4 && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_GE(colours, 4u) << "the window does not show the demo's menu";
    f->Close(id);
    EXPECT_EQ(f->Wait(), std::optional<int>(0));
  }
  EXPECT_TRUE(fs::exists(data + "/config/Orvanel.ini"));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(data + "/demo_emulator"))) << "the emulator is copied, not linked";
  const std::string log = home.Read(".local/share/orvanel/debug.txt");
  EXPECT_NE(log.find("Installation : " + data + " (dossier de l'utilisateur, cr\xC3\xA9\xC3\xA9\x65 depuis " +
                     Usr("share/orvanel/demo") + ")"),
            std::string::npos)
      << log;

  // A file of the user's own copy, changed: a second start must not copy the demo again.
  home.Write(".local/share/orvanel/Music/Track1.mp3", "mine");
  {
    auto f = start();
    const std::string id = f->WaitForWindow();
    ASSERT_FALSE(id.empty());
    f->Close(id);
    EXPECT_EQ(f->Wait(), std::optional<int>(0));
  }
  EXPECT_EQ(home.Read(".local/share/orvanel/Music/Track1.mp3"), "mine");
  const std::string second = home.Read(".local/share/orvanel/debug.txt").substr(log.size());
  EXPECT_NE(second.find("Installation : " + data + " (dossier de l'utilisateur)"), std::string::npos) << second;
}

}  // namespace
