// A cabinet set up as the guide says, with Debian's MAME: a configuration made from the
// command line, its list made from an empty ROM folder (MAME's machines that need no ROM),
// a game that fails to start, then pong started through EmuParams, coins put in, the held
// exit, and the menu taking the panel's keys again. Skipped where MAME is not installed.
#include "frontend_fixture.h"
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using systest::Frontend;
using systest::Installation;

constexpr const char* kMame = "/usr/games/mame";

int RunCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MameCabinetTest : public systest::DisplayTest {
 protected:
  // Keys go where the X server sends them, as a panel's would: to the focused window.
  void Key(const std::string& args) { RunCommand("DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1"); }
  // Waits for `text` in debug.txt after byte `from`; the log read so far on failure.
  ::testing::AssertionResult Logged(const std::string& text, std::size_t from = 0, int timeoutMs = 30000) {
    const std::string log = inst.WaitForLog(text, timeoutMs, from);
    if (log.find(text) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << text << "\" in debug.txt:\n" << inst.Read("debug.txt");
  }
  std::size_t LogSize() const { return inst.Read("debug.txt").size(); }
  std::string Config(const std::string& args) {
    return std::string(ORV_BINARY_DIR) + "/OrvanelConfig " + args + " >" + inst.path() + "/config.out 2>&1";
  }

  Installation inst;
};

TEST_F(MameCabinetTest, FromAnEmptyRomFolderToCoinsCountedAndTheMenuBack) {
  if (!fs::exists(kMame)) GTEST_SKIP() << "Debian's MAME is not installed (scripts/install-deps.sh installs it)";
  if (systest::MachineHasReadableKeyboards()) GTEST_SKIP() << "the key tracker reads this machine's own keyboards";
  fs::create_directories(inst / "roms");  // empty: only the machines that need no file
  fs::create_directories(inst / "Templates/Etoiles");
  fs::copy(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles", inst / "Templates/Etoiles",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  // Q held half a second leaves a game (pong takes no Q).
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=MAME\r\nEmuBase=MAME\r\nModeFenetre=OUI\r\nLargFen=800\r\n"
                                   "HautFen=600\r\nTransitions=NO\r\nSortieJeuDelai=500\r\n[Touches]\r\nSortieJeu=32\r\n");

  const std::string params = "-rompath \"%ROMDIR%\" -skip_gameinfo -window -video soft -sound none %NAME%";
  ASSERT_EQ(RunCommand(Config("--new-config MAME --emulator " + std::string(kMame) + " --rom-dir " + inst.path() +
                       "/roms --params '" + params + "' --base " + inst.path())),
            0)
      << inst.Read("config.out");
  ASSERT_EQ(RunCommand(Config("--create-list --emulator " + std::string(kMame) + " --output " + inst.path() +
                       "/config/MAME/MAME.txt --rom-dir " + inst.path() + "/roms")),
            0)
      << inst.Read("config.out");
  const std::string list = inst.Read("config/MAME/MAME.txt");
  for (const char* machine : {"[breakout]", "[pong]", "[pongd]", "[rebound]"})
    EXPECT_NE(list.find(machine), std::string::npos) << machine << "\n" << list;
  // A game whose ROM is missing sorts between Breakout and Pong; the menu starts on it.
  inst.Write("config/MAME/MAME.txt", list + "[pacman]\r\nFullName=Pac-Man\r\n");
  std::string config = inst.Read("config/MAME/config.ini");
  config.insert(config.find("]") + 1, "\r\nTemplateDir=Etoiles\r\nSons=NO\r\nLastGame=pacman");
  inst.Write("config/MAME/config.ini", config);

  Frontend f(inst, display(), {"HOME=" + inst.path()});
  const std::string menu = f.WaitForWindow();
  ASSERT_FALSE(menu.empty()) << inst.Read("debug.txt");

  // MAME gives up on pacman: no play, its words in debug.txt, a message on screen.
  Key("key --window " + menu + " 1");
  ASSERT_TRUE(Logged("chec du lancement de pacman : code 2"));
  ASSERT_TRUE(Logged("Menu affiche"));  // the message is on screen from this frame on
  EXPECT_NE(inst.Read("debug.txt").find("NOT FOUND"), std::string::npos) << inst.Read("debug.txt");
  EXPECT_EQ(inst.Read("config/MAME/MAME.sta").find("[pacman]"), std::string::npos);

  // The first Down only takes the message away; the second reaches Pong.
  std::size_t from = LogSize();
  Key("key Down");
  Key("key Down");
  Key("key 1");
  ASSERT_TRUE(Logged("Lancement de pong\r\n", from)) << "the keys did not reach the menu";
  std::string game;
  for (int i = 0; i < 600 && game.empty(); ++i) {
    game = systest::Capture("DISPLAY=" + display() + " xdotool search --onlyvisible --name pong 2>/dev/null");
    if (game.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_FALSE(game.empty()) << "MAME's window never showed\n" << inst.Read("debug.txt");

  Key("key 5");
  Key("key 5");
  Key("key 6");
  Key("keydown q");
  ASSERT_TRUE(Logged("SortieJeu", from));
  Key("keyup q");
  ASSERT_TRUE(Logged("Menu affiche", from));
  const std::string log = inst.Read("debug.txt");
  EXPECT_EQ(log.find("SIGKILL", from), std::string::npos) << log;
  EXPECT_TRUE(fs::exists(inst / ".mame/cfg/pong.cfg")) << "MAME did not save its cfg";
  EXPECT_EQ(platform::ReadProfileString(inst / "config/MAME/MAME.sta", "pong", "Nb", ""), "1");
  EXPECT_EQ(platform::ReadProfileString(inst / "config/MAME/MAME.sta", "pong", "C1", ""), "2");
  EXPECT_EQ(platform::ReadProfileString(inst / "config/MAME/MAME.sta", "pong", "C2", ""), "1");

  // Back in the menu, the panel reaches it with no window manager to give it the focus.
  from = LogSize();
  Key("key Escape");
  ASSERT_TRUE(Logged("=== Fin ===", from));
  EXPECT_EQ(f.Wait(10000), std::optional<int>(0));
}

}  // namespace
