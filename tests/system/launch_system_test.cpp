// Games launched from the running frontend on an X display: the coin keys pressed while
// the emulator runs are counted into the game, list and global statistics.
#include "frontend_fixture.h"

#include "catalogue/journal.h"
#include "emulator_record.h"
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <glob.h>
#include <signal.h>

namespace {

using systest::Frontend;
using systest::Installation;

// The frontend's settings for one configuration "emu" whose emulator is the test emulator
// (or the program given) and whose list holds rom1.
void WriteLaunchInstallation(const Installation& inst, const std::string& emuExe, const std::string& list) {
  namespace fs = std::filesystem;
  inst.Write("config/Orvanel.ini",
             "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=800\r\nHautFen=600\r\nTransitions=NO\r\n");
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=" + emuExe +
                 "\r\nRomDir=.\\Emu\\roms\r\nRomsExt=zip\r\nFichierDescription=.\\lists\\games.txt\r\nSons=NO\r\n"
                 "LastGame=rom1\r\n");
  inst.Write("lists/games.txt", list);
  fs::create_directories(inst / "Templates/Etoiles");
  fs::copy(std::string(ORV_SOURCE_DIR) + "/demo/Templates/Etoiles", inst / "Templates/Etoiles",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::create_directories(inst / "Emu/roms");
}

std::string Stat(const std::string& file, const std::string& section, const std::string& key) {
  return platform::ReadProfileString(file, section, key, "");
}

// The one run the journal holds, or a run named "<none>".
catalogue::JournalRun OnlyJournalRun(const Installation& inst) {
  const catalogue::JournalRead read = catalogue::ReadJournal(inst / "stats");
  EXPECT_EQ(read.runs.size(), 1u);
  EXPECT_EQ(read.skipped, 0);
  return read.runs.size() == 1 ? read.runs[0] : catalogue::JournalRun{{}, 0, "", "<none>", "", {}, {}};
}


class LaunchSystemTest : public systest::DisplayTest {
 protected:
  void Key(const std::string& args) {
    std::system(("DISPLAY=" + display() + " xdotool " + args + " >/dev/null 2>&1").c_str());
  }
  bool WaitForLog(const std::string& text, int timeoutMs) {
    return inst.WaitForLog(text, timeoutMs).find(text) != std::string::npos;
  }
  // Ends the frontend through its close request and waits for its end.
  void Close(Frontend& f, const std::string& id) {
    f.Close(id);
    EXPECT_TRUE(f.Wait(10000).has_value()) << "the frontend did not end";
  }

  Installation inst;
};

TEST_F(LaunchSystemTest, CoinKeysPressedDuringTheGameAreCountedEverywhere) {
  if (systest::MachineHasReadableKeyboards()) GTEST_SKIP() << "the key tracker reads this machine's own keyboards";
  WriteLaunchInstallation(inst, ".\\Emu\\mame", "[rom1]\r\nFullName=Rom One\r\n");
  std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  inst.Write("Emu/test_emulator.script", "run_ms=4000\n");

  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");  // LaunchGameKey
  ASSERT_EQ(WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 10000).size(), 1u) << inst.Read("debug.txt");
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  Key("key --delay 80 5 5 5 5 5 8 8");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  Close(f, id);

  const std::string gameFile = inst / "lists/games.sta";
  const std::string globalFile = inst / "Orvanel.sta";
  EXPECT_EQ(Stat(gameFile, "rom1", "Nb"), "1");
  EXPECT_EQ(Stat(gameFile, "rom1", "C1"), "5");
  EXPECT_EQ(Stat(gameFile, "rom1", "C4"), "2");
  EXPECT_EQ(Stat(globalFile, "games", "C1"), "5");
  EXPECT_EQ(Stat(globalFile, "games", "C4"), "2");
  EXPECT_EQ(Stat(globalFile, "StatGen", "C1"), "5");
  EXPECT_EQ(Stat(globalFile, "StatGen", "C4"), "2");
  EXPECT_NE(Stat(gameFile, "rom1", "TpsJeux"), "");
  const catalogue::JournalRun run = OnlyJournalRun(inst);
  EXPECT_EQ(run.romName, "rom1");
  EXPECT_EQ(run.fullName, "Rom One");
  EXPECT_EQ(run.configuration, "emu");
  EXPECT_EQ(run.coins, (std::array<std::int32_t, 4>{5, 0, 0, 2}));
  EXPECT_EQ(run.ending, catalogue::RunEnding::kNormal);
  EXPECT_GE(run.durationS, 3u);
}

TEST_F(LaunchSystemTest, IdleFrontendRunsARandomGameAndEndsItEvenWhenItIgnoresSigterm) {
  WriteLaunchInstallation(inst, ".\\Emu\\mame", "[rom1]\r\nFullName=Rom One\r\n");
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=.\\Emu\\mame\r\nRomDir=.\\Emu\\roms\r\n"
             "FichierDescription=.\\lists\\games.txt\r\nSons=NO\r\nScrType=1\r\nScrTimeOut=2\r\n"
             "ScrDuration=3\r\n");
  std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  inst.Write("Emu/test_emulator.script", "run_ms=60000\nignore_term=1\n");

  // Both ends of each duration are taken no later than they happened (the frontend is
  // idle only once it runs; the emulator notes its own start), so a loaded machine that
  // delays what the test sees can only lengthen what a lower bound is checked against.
  const auto spawned = std::chrono::steady_clock::now();
  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  const auto launched = WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 15000);
  ASSERT_EQ(launched.size(), 1u) << inst.Read("debug.txt");
  const auto started = launched[0].started;
  // 2 s without a key from the start at the earliest, then the chosen game is shown for a
  // second before it starts.
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(started - spawned).count(), 2900);
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 20000)) << inst.Read("debug.txt");
  const auto back = std::chrono::steady_clock::now();
  // 3 s of play, seen within a 500 ms poll, then 2 s before SIGKILL.
  const auto ranMs = std::chrono::duration_cast<std::chrono::milliseconds>(back - started).count();
  EXPECT_GE(ranMs, 3000 + 2000 - 200);
  EXPECT_LT(ranMs, 3000 + 500 + 2000 + 3000);
  Close(f, id);

  const auto runs = ReadEmulatorRuns(inst / "Emu/test_emulator.record");
  ASSERT_GE(runs.size(), 1u);
  EXPECT_GE(runs[0].termsIgnored, 1);
  EXPECT_FALSE(runs[0].ended);
  EXPECT_EQ(::kill(runs[0].pid, 0), -1) << "the emulator still runs";
  EXPECT_NE(inst.Read("debug.txt").find("Lancement de rom1 (screensaver)"), std::string::npos);
  EXPECT_EQ(Stat(inst / "lists/games.sta", "rom1", "NbScr"), "1");
  EXPECT_EQ(Stat(inst / "lists/games.sta", "rom1", "Nb"), "");
  EXPECT_EQ(Stat(inst / "Orvanel.sta", "StatGen", "NbScr"), "1");
  EXPECT_EQ(OnlyJournalRun(inst).ending, catalogue::RunEnding::kScreensaver);
}

// The exit combination Esc + 1 held for a second ends an emulator that grabs the keyboard,
// ignores SIGTERM and has started a child; keys held from the menu and a short hold do not.
TEST_F(LaunchSystemTest, TheHeldExitCombinationEndsAGrabbingEmulatorAndItsChild) {
  if (systest::MachineHasReadableKeyboards()) GTEST_SKIP() << "the key tracker reads this machine's own keyboards";
  WriteLaunchInstallation(inst, ".\\Emu\\mame", "[rom1]\r\nFullName=Rom One\r\n");
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=OUI\r\nLargFen=800\r\nHautFen=600\r\n"
                                   "Transitions=NO\r\nSortieJeuDelai=1000\r\n[Touches]\r\nSortieJeu=2+4\r\n");
  std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  inst.Write("Emu/test_emulator.script", "run_ms=60000\nignore_term=1\nchild=1\ngrab=" ORV_BINARY_DIR
                                         "/tools/grab_keyboard/grab_keyboard\n");
  const std::string record = inst / "Emu/test_emulator.record";
  const auto recorded = [&](const std::string& text) { return inst.Read("Emu/test_emulator.record").find(text); };

  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("keydown --window " + id + " 1");  // launches, and stays held into the game
  const auto runs = WaitForEmulatorRuns(record, 1, 10000);
  ASSERT_EQ(runs.size(), 1u) << inst.Read("debug.txt");
  for (int i = 0; i < 100 && recorded("grabbed") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_NE(recorded("grabbed\n"), std::string::npos) << inst.Read("Emu/test_emulator.record");
  Key("keydown Escape");  // with the 1 pressed before the game: not the combination
  std::this_thread::sleep_for(std::chrono::milliseconds(1800));
  Key("keyup Escape keyup 1");
  Key("keydown Escape keydown 1");  // too short
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Key("keyup 1 keyup Escape");
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(::kill(runs[0].pid, 0), 0) << "the game ended before the combination was held";
  EXPECT_EQ(inst.Read("debug.txt").find("Retour lancement OK"), std::string::npos);

  const auto held = std::chrono::steady_clock::now();
  Key("keydown Escape keydown 1");
  ASSERT_TRUE(WaitForLog("SortieJeu", 5000)) << inst.Read("debug.txt");
  Key("keyup 1 keyup Escape");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  const auto heldMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - held).count();
  EXPECT_GE(heldMs, 1000 + 3000 - 200) << "the emulator got no time to save after SIGTERM";
  Close(f, id);

  const auto after = ReadEmulatorRuns(record);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_GE(after[0].termsIgnored, 1);
  EXPECT_FALSE(after[0].ended);
  EXPECT_TRUE(ProcessIsGone(after[0].pid)) << "the emulator still runs";
  ASSERT_GT(after[0].child, 0);
  EXPECT_TRUE(ProcessIsGone(after[0].child)) << "the emulator's child still runs";
  EXPECT_EQ(Stat(inst / "lists/games.sta", "rom1", "Nb"), "1");
  EXPECT_NE(Stat(inst / "lists/games.sta", "rom1", "TpsJeux"), "");
  EXPECT_NE(inst.Read("config/emu/config.ini").find("LastGame=rom1"), std::string::npos);
  EXPECT_EQ(OnlyJournalRun(inst).ending, catalogue::RunEnding::kExitCombo);
}

TEST_F(LaunchSystemTest, FullScreenKeepsTheScreenBlackBehindTheGameAndDropsKeysTypedDuringIt) {
  namespace fs = std::filesystem;
  WriteLaunchInstallation(inst, ".\\Emu\\game.sh",
                          "[rom1]\r\nFullName=Rom 1\r\n[rom2]\r\nFullName=Rom 2\r\n[rom3]\r\nFullName=Rom 3\r\n"
                          "[rom4]\r\nFullName=Rom 4\r\n");
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=emu\r\nModeFenetre=NO\r\nTransitions=NO\r\n");
  // The game: the emulator stand-in records the run, and a green window stands for the
  // game's own window while it runs.
  const std::string cover = std::string(ORV_BINARY_DIR) + "/tools/cover_window/cover_window";
  fs::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  // It lasts until the test has looked at the screen and typed its keys, however long a
  // loaded machine takes for that.
  const std::string gameEnd = inst / "game.end";
  inst.Write("Emu/game.sh", "#!/bin/sh\n\"$(dirname \"$0\")/mame\" \"$@\"\n'" + cover +
                                "' 700 600 400 300 120000 0x00FF00 &\nwhile [ ! -e '" + gameEnd +
                                "' ]; do sleep 0.05; done\nkill $!\n");
  fs::permissions(inst / "Emu/game.sh", fs::perms::owner_all);
  // A blue desktop: what the player must not see during the game.
  if (!systest::HasProgram("xsetroot")) GTEST_SKIP() << "xsetroot missing (scripts/install-deps.sh installs it)";
  const auto setRoot = [&](const std::string& colour) {
    std::system(("DISPLAY=" + display() + " xsetroot -solid '" + colour + "'").c_str());
  };
  setRoot("#3060C0");
  struct RootBack {
    std::function<void()> back;
    ~RootBack() { back(); }
  } rootBack{[&] { setRoot("#000000"); }};  // the display is shared with the next tests

  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");
  ASSERT_EQ(WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 10000).size(), 1u) << inst.Read("debug.txt");
  const auto pixel = [&](int x, int y) { return systest::ScreenPixel(display(), x, y).value_or(0xDEAD); };
  for (int i = 0; i < 60 && pixel(900, 750) != 0x00FF00; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(pixel(900, 750), 0x00FF00u) << "the game's window is not on top";
  // Around the game the menu's window is black over the whole desktop, its list gone too.
  for (auto [x, y] : {std::pair{2, 2}, {1277, 2}, {2, 1021}, {1277, 1021}, {699, 750}, {1100, 750}, {900, 599}, {900, 900}})
    EXPECT_EQ(pixel(x, y), 0u) << x << "," << y;
  const std::string listArea = systest::Capture("DISPLAY=" + display() +
                                                " import -window root -crop 200x280+420+290 -depth 8 txt:- 2>/dev/null");
  std::size_t blackPixels = 0;
  for (auto at = listArea.find("#000000"); at != std::string::npos; at = listArea.find("#000000", at + 1)) ++blackPixels;
  EXPECT_EQ(blackPixels, 200u * 280u) << "the menu still shows behind the game";
  // Keys typed for the game do not move the menu.
  Key("key --window " + id + " Down Down");
  inst.Write("game.end", "");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 60000)) << inst.Read("debug.txt");
  // The menu's first frame after the game: the keys typed during it are dropped by then.
  ASSERT_TRUE(WaitForLog("Menu affiche", 60000)) << inst.Read("debug.txt");
  // Back: the window covers the screen again and takes the panel's keys.
  const std::string back = f.WaitForWindow(5000);
  ASSERT_FALSE(back.empty()) << "the menu did not come back";
  EXPECT_EQ(systest::WindowSize(display(), back), std::make_pair(1280, 1024));
  Key("windowfocus --sync " + back + " key Down");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Key("key Escape");
  ASSERT_TRUE(f.Wait(10000).has_value()) << "the frontend did not end after the quit key";
  EXPECT_NE(inst.Read("config/emu/config.ini").find("LastGame=rom2"), std::string::npos)
      << inst.Read("config/emu/config.ini");
}

TEST_F(LaunchSystemTest, PongThroughTheMameWrapperReturnsWithTheRunCounted) {
  if (!std::filesystem::exists("/usr/games/mame")) GTEST_SKIP() << "MAME is not installed";
  WriteLaunchInstallation(inst, ".\\emulators\\mame\\orvanel-mame", "");
  ASSERT_EQ(std::system(("bash " + std::string(ORV_SOURCE_DIR) + "/scripts/demo/gen-mame.sh " + inst.path() +
                         " >/dev/null").c_str()),
            0);
  inst.Write("config/emu/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nEmuExe=.\\emulators\\mame\\orvanel-mame\r\n"
             "RomDir=.\\emulators\\mame\\roms\r\nFichierDescription=.\\config\\MAME\\mame.txt\r\nSons=NO\r\n"
             "LastGame=pong\r\n");
  // The wrapper passes these to MAME: a short unattended run that needs no sound device.
  ::setenv("ORVANEL_MAME_ARGS", "-seconds_to_run 2 -window -sound none", 1);
  Frontend f(inst, display());
  ::unsetenv("ORVANEL_MAME_ARGS");
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  Key("key --window " + id + " 1");
  ASSERT_TRUE(WaitForLog("Lancement de pong", 10000)) << inst.Read("debug.txt");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 60000)) << inst.Read("debug.txt");
  Close(f, id);
  EXPECT_EQ(Stat(inst / "config/MAME/mame.sta", "pong", "Nb"), "1");
  EXPECT_EQ(Stat(inst / "Orvanel.sta", "StatGen", "Nb"), "1");
}

}  // namespace

// The search from the panel keys: "/" opens it, Down turns the ring to "G", Right appends
// it, Escape closes the search on Galaga, and the launch key starts Galaga (the list opens
// on Asteroids: its LastGame is not in it).
TEST_F(LaunchSystemTest, ASearchTypedWithThePanelKeysLaunchesItsMatch) {
  WriteLaunchInstallation(inst, ".\\Emu\\mame",
                          "[asteroid]\r\nFullName=Asteroids\r\n[galaga]\r\nFullName=Galaga\r\n"
                          "[mspacman]\r\nFullName=Ms. Pac-Man\r\n[pacman]\r\nFullName=Pac-Man\r\n");
  std::filesystem::copy_file(TestEmulatorPath(), inst / "Emu/mame");
  inst.Write("Emu/test_emulator.script", "run_ms=200\n");

  Frontend f(inst, display());
  const std::string id = f.WaitForWindow();
  ASSERT_FALSE(id.empty()) << inst.Read("debug.txt");
  // The ring offers A G M P and opens on A.
  Key("key --delay 150 --window " + id + " slash Down Right Escape 1");
  const auto runs = WaitForEmulatorRuns(inst / "Emu/test_emulator.record", 1, 10000);
  ASSERT_EQ(runs.size(), 1u) << inst.Read("debug.txt");
  ASSERT_FALSE(runs[0].argv.empty());
  EXPECT_EQ(std::filesystem::path(runs[0].argv.back()).filename(), "galaga");
  ASSERT_TRUE(WaitForLog("Retour lancement OK", 15000)) << inst.Read("debug.txt");
  Close(f, id);
}
