// Coming back to the menu from a game on an X server without a window manager, as a kiosk
// session runs it: the menu takes the keys again, and a key still held from the game does
// not act in the menu.
#include "frontend_fixture.h"

#include "emulator_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <glob.h>

namespace {

using systest::Frontend;
using systest::Installation;

// A windowed 800 x 600 cabinet whose emulator is Emu/game.sh, a shell script with the test
// emulator (Emu/mame, the record of each run) beside it.
void WriteCabinet(const Installation& inst, const std::string& generalLines, const std::string& gameScript) {
  namespace fs = std::filesystem;
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=800\r\nHautFen=600\r\n"
                                   "Transitions=NO\r\n" + generalLines);
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=.\\Emu\\game.sh\r\nRomDir=.\\Emu\\roms\r\n"
             "FichierDescription=.\\lists\\games.txt\r\nSons=NO\r\nLastGame=rom1\r\n");
  inst.Write("lists/games.txt", "[rom1]\r\nFullName=Rom 1\r\n[rom2]\r\nFullName=Rom 2\r\n[rom3]\r\nFullName=Rom 3\r\n");
  fs::create_directories(inst / "Templates/Etoiles");
  fs::copy(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles", inst / "Templates/Etoiles",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::create_directories(inst / "Emu/roms");
  fs::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  inst.Write("Emu/game.sh", "#!/bin/sh\n" + gameScript + "\n");
  fs::permissions(inst / "Emu/game.sh", fs::perms::owner_all);
}


std::string GameWindowTool() { return std::string(ORV_BINARY_DIR) + "/tools/game_window/game_window"; }

class ReturnToMenuTest : public systest::DisplayTest {
 protected:
  // xdotool without --window: the keys go where the X server's focus is, as a panel's do.
  void Key(const std::string& args) {
    std::system(("DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1").c_str());
  }
  bool WaitForLog(const std::string& text, int timeoutMs) {
    return inst.WaitForLog(text, timeoutMs).find(text) != std::string::npos;
  }
  std::string Record() const { return inst / "Emu/test_emulator.record"; }

  Installation inst;
};

// The game's window takes the focus with RevertToNone and goes: the X server's focus is
// then nobody's until the menu takes it. Down and the launch key typed at the panel must
// reach the menu: the second game is rom2.
TEST_F(ReturnToMenuTest, TheMenuTakesTheFocusBackWhenTheGamesWindowLeavesNone) {
  WriteCabinet(inst, "", "\"$(dirname \"$0\")/mame\" \"$@\"\nexec '" + GameWindowTool() +
                            "' --focus --ms 300 --record \"$(dirname \"$0\")/window.record\"");
  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  ASSERT_NE(inst.Read("Emu/window.record").find("mapped"), std::string::npos) << "the game's window never showed";
  const std::size_t firstReturn = inst.Read("debug.txt").size();

  Key("key --delay 150 Down 1");
  const auto runs = WaitForEmulatorRuns(Record(), 2, 10000);
  ASSERT_EQ(runs.size(), 2u) << "the keys did not reach the menu\n" << inst.Read("debug.txt");
  ASSERT_FALSE(runs[1].argv.empty());
  EXPECT_EQ(std::filesystem::path(runs[1].argv.back()).filename(), "rom2");
  ASSERT_NE(inst.WaitForLog("Retour lancement OK", 15000, firstReturn).find("Retour lancement OK"), std::string::npos);
  f.Close(id);
  EXPECT_TRUE(f.Wait(10000).has_value()) << "the frontend did not end";
}

// Escape (QuitKey, and the exit combination alone) held for a second ends a game that
// grabs the keyboard; the menu comes back with Escape still down and auto-repeating. The
// repeats do nothing: Down and the launch key typed with Escape still held start rom2, and
// only a fresh Escape press after the release quits.
TEST_F(ReturnToMenuTest, TheKeyHeldToLeaveTheGameDoesNotActInTheMenu) {
  if (systest::MachineHasReadableKeyboards()) GTEST_SKIP() << "the key tracker reads this machine's own keyboards";
  if (!systest::HasProgram("xset")) GTEST_SKIP() << "xset missing (scripts/install-deps.sh installs it)";
  // rom1 runs until it is ended, holding the keyboard; rom2 ends at once.
  WriteCabinet(inst, "SortieJeuDelai=1000\r\n",
               "case \"$*\" in\n  *rom1*) exec \"$(dirname \"$0\")/mame\" \"$@\" ;;\n"
               "  *) ORV_TEST_EMULATOR_SCRIPT=run_ms=0 exec \"$(dirname \"$0\")/mame\" \"$@\" ;;\nesac");
  inst.Write("Emu/test_emulator.script", "run_ms=60000\ngrab=" ORV_BINARY_DIR "/tools/grab_keyboard/grab_keyboard\n");
  std::system(("DISPLAY=" + display() + " xset r on").c_str());

  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");
  ASSERT_EQ(WaitForEmulatorRuns(Record(), 1, 10000).size(), 1u) << inst.Read("debug.txt");
  for (int i = 0; i < 100 && inst.Read("Emu/test_emulator.record").find("grabbed\n") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_NE(inst.Read("Emu/test_emulator.record").find("grabbed\n"), std::string::npos);

  Key("keydown Escape");
  ASSERT_TRUE(WaitForLog("Menu affiche", 15000)) << inst.Read("debug.txt");
  // Escape repeats into the menu (the server's own repeats, and these), then the fresh keys.
  Key("keydown --delay 50 Escape keydown Escape keydown Escape");
  Key("key --delay 150 Down 1");
  const auto runs = WaitForEmulatorRuns(Record(), 2, 10000);
  ASSERT_EQ(runs.size(), 2u) << "the menu did not take Down and the launch key\n" << inst.Read("debug.txt");
  ASSERT_FALSE(runs[1].argv.empty());
  EXPECT_EQ(std::filesystem::path(runs[1].argv.back()).filename(), "rom2");
  const std::string log = inst.WaitForLog("Lancement de rom2", 10000);
  ASSERT_NE(inst.WaitForLog("Retour lancement OK", 15000, log.find("Lancement de rom2")).find("Retour lancement OK"),
            std::string::npos);

  Key("keyup Escape");
  Key("key Escape");  // a new press: QuitKey
  const auto code = f.Wait(10000);
  ASSERT_TRUE(code.has_value()) << "a fresh Escape did not quit\n" << inst.Read("debug.txt");
  EXPECT_EQ(*code, 0);
}

}  // namespace
