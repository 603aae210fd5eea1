// A game ended from the panel with Debian's MAME: its window is asked to close, so MAME
// ends at once and saves its settings (cfg), which a signal never gave it.
#include "frontend_fixture.h"

#include <gtest/gtest.h>

#include <glob.h>

#include <cstdlib>
#include <filesystem>

namespace {

using systest::Frontend;
using systest::Installation;


class GameEndSystemTest : public systest::DisplayTest {
 protected:
  void Key(const std::string& args) {
    std::system(("DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1").c_str());
  }
  bool WaitForLog(const std::string& text, int timeoutMs) {
    return inst.WaitForLog(text, timeoutMs).find(text) != std::string::npos;
  }

  Installation inst;
};

// Q held half a second ends pong (MAME takes no Q in pong, and would quit by itself at
// Escape).
TEST_F(GameEndSystemTest, PongAskedToCloseEndsAndSavesItsCfg) {
  if (!std::filesystem::exists("/usr/games/mame")) GTEST_SKIP() << "MAME is not installed";
  if (systest::MachineHasReadableKeyboards()) GTEST_SKIP() << "the key tracker reads this machine's own keyboards";
  namespace fs = std::filesystem;
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=800\r\nHautFen=600\r\n"
                                   "Transitions=NO\r\nSortieJeuDelai=500\r\n[Touches]\r\nSortieJeu=32\r\n");
  ASSERT_EQ(std::system(("bash " + std::string(ORV_SOURCE_DIR) + "/scripts/demo/gen-mame.sh " + inst.path() +
                         " >/dev/null").c_str()),
            0);
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=.\\emulators\\mame\\orvanel-mame\r\n"
             "RomDir=.\\emulators\\mame\\roms\r\nFichierDescription=.\\config\\MAME\\mame.txt\r\nSons=NO\r\n"
             "LastGame=pong\r\n");
  fs::create_directories(inst / "Templates/Etoiles");
  fs::copy(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles", inst / "Templates/Etoiles",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  ::setenv("ORVANEL_MAME_ARGS", "-window -sound none -video soft", 1);
  Frontend f(inst, display(), {"HOME=" + inst.path()});
  ::unsetenv("ORVANEL_MAME_ARGS");
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");
  ASSERT_TRUE(WaitForLog("Lancement de pong", 10000)) << inst.Read("debug.txt");
  std::string game;
  for (int i = 0; i < 600 && game.empty(); ++i) {
    game = systest::Capture("DISPLAY=" + display() + " xdotool search --onlyvisible --name 'pong' 2>/dev/null");
    if (game.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_FALSE(game.empty()) << "MAME's window never showed\n" << inst.Read("debug.txt");

  Key("keydown q");
  ASSERT_TRUE(WaitForLog("SortieJeu", 10000)) << inst.Read("debug.txt");
  Key("keyup q");
  ASSERT_TRUE(WaitForLog("Menu affiche", 15000)) << inst.Read("debug.txt");
  // Asked to close, MAME saves its cfg at once, and ends well within the grace on an idle
  // machine; on a loaded one it may end just after, during the SIGTERM step it ignores.
  // (debug.txt is UTF-8.)
  const std::string log = inst.Read("debug.txt");
  const bool closed = log.find("Jeu ferm\u00e9 par la demande de fermeture de ses fen\u00eatres") != std::string::npos;
  EXPECT_TRUE(closed || log.find("e \u00e0 1 fen\u00eatre)") != std::string::npos) << log;
  EXPECT_EQ(log.find("SIGKILL"), std::string::npos) << log;
  EXPECT_TRUE(fs::exists(inst / "emulators/mame/cfg/pong.cfg")) << "MAME did not save its cfg";
  f.Close(id);
  EXPECT_TRUE(f.Wait(10000).has_value());
}

}  // namespace
