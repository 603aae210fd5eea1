#include "frontend/shell/shell_state.h"
#include "launch_fixture.h"
#include "frontend/catalogue/statistics.h"

#include "render/animation_clock.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/wiring_input.h"
#include "render/render_state.h"

#include <chrono>

namespace {

using Args = std::vector<std::string>;

class Launch : public LaunchFixture {
 protected:
  EmulatorRun LaunchOnce(const std::string& rom) {
    EXPECT_EQ(LaunchEntry(rom, 0, 0), 1);
    auto runs = Runs();
    EXPECT_EQ(runs.size(), 1u);
    return runs.empty() ? EmulatorRun{} : runs.back();
  }
};

TEST_F(Launch, QuotedProgramAndRomPathWithTheFirstExistingExtension) {
  dir_.Write("Emu/roms/rom1.zip", "z");
  dir_.Write("Emu/roms/rom1.7z", "7");
  EXPECT_EQ(BuildCommandLine(gShell.settings, "rom1"), "\"" + (dir_ / "Emu/mame") + "\" \"" + (dir_ / "Emu/roms/rom1.zip") + "\"");
  const EmulatorRun run = LaunchOnce("rom1");
  EXPECT_EQ(run.argv, (Args{dir_ / "Emu/mame", dir_ / "Emu/roms/rom1.zip"}));
  EXPECT_EQ(run.cwd, dir_ / "Emu");
  EXPECT_TRUE(run.ended);
}

TEST_F(Launch, WithoutGuillemetsTheRomPathIsNotQuoted) {
  dir_.Write("Emu/roms/rom1.zip", "z");
  gShell.settings.guillemets = false;
  EXPECT_EQ(BuildCommandLine(gShell.settings, "rom1"), "\"" + (dir_ / "Emu/mame") + "\" " + (dir_ / "Emu/roms/rom1.zip"));
  EXPECT_EQ(LaunchOnce("rom1").argv, (Args{dir_ / "Emu/mame", dir_ / "Emu/roms/rom1.zip"}));
}

TEST_F(Launch, RomPathFollowsRomsExt) {
  dir_.Write("Emu/roms/rom1.zip", "z");
  dir_.Write("Emu/roms/only7.7z", "7");
  gShell.settings.romsExt = "";
  EXPECT_EQ(RomPath(gShell.settings, "rom1"), dir_ / "Emu/roms/rom1");
  gShell.settings.romsExt = "zip;7z";
  EXPECT_EQ(RomPath(gShell.settings, "only7"), dir_ / "Emu/roms/only7.7z");
  EXPECT_EQ(RomPath(gShell.settings, "nofile"), dir_ / "Emu/roms/nofile");
  // An empty item tries the bare name, in its turn.
  dir_.Write("Emu/roms/bare", "b");
  gShell.settings.romsExt = "7z;;zip";
  EXPECT_EQ(RomPath(gShell.settings, "bare"), dir_ / "Emu/roms/bare");
  // Directories are not ROM files.
  std::filesystem::create_directories(dir_ / "Emu/roms/dir.zip");
  gShell.settings.romsExt = "zip";
  EXPECT_EQ(RomPath(gShell.settings, "dir"), dir_ / "Emu/roms/dir");

  gShell.settings.romsExt = "";
  EXPECT_EQ(LaunchOnce("rom1").argv.at(1), dir_ / "Emu/roms/rom1");
}

TEST_F(Launch, SevenZipOnlyAndMissingRomReachTheEmulator) {
  dir_.Write("Emu/roms/only7.7z", "7");
  EXPECT_EQ(LaunchOnce("only7").argv.at(1), dir_ / "Emu/roms/only7.7z");
  std::filesystem::remove(record_);
  EXPECT_EQ(LaunchOnce("nofile").argv.at(1), dir_ / "Emu/roms/nofile");
}

TEST_F(Launch, SettingPathsMatchFilesWithoutRegardToCase) {
  dir_.Write("Emu/roms/ROM1.ZIP", "z");
  gShell.settings.emuDirectory = dir_.path() + "\\emu";
  gShell.settings.romDir = dir_.path() + "\\EMU\\Roms";
  const EmulatorRun run = LaunchOnce("rom1");
  EXPECT_EQ(run.argv, (Args{dir_ / "Emu/mame", dir_ / "Emu/roms/ROM1.ZIP"}));
  EXPECT_EQ(run.cwd, dir_ / "Emu");
}

TEST_F(Launch, RomNamesAreNeverReadByAShell) {
  for (const std::string name : {"a;b", "x $(touch pwned) `touch pwned2`", "two words & more", "q'uote|>out"}) {
    std::filesystem::remove(record_);
    dir_.Write("Emu/roms/" + name + ".zip", "z");
    EXPECT_EQ(LaunchOnce(name).argv, (Args{dir_ / "Emu/mame", dir_ / ("Emu/roms/" + name + ".zip")})) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Emu/pwned"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Emu/pwned2"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Emu/out"));
  // A double quote in a name is split as Windows splits it: still one argument, no shell.
  std::filesystem::remove(record_);
  EXPECT_EQ(LaunchOnce("say\"hi").argv.size(), 2u);
}

TEST_F(Launch, LogsTheLaunchAndTheReturn) {
  LaunchOnce("rom1");
  const std::string log = Log();
  EXPECT_NE(log.find(" => Lancement de rom1\r\n"), std::string::npos);
  EXPECT_NE(log.find(" => Retour lancement OK\r\n"), std::string::npos);
  EXPECT_LT(log.find("Lancement de rom1"), log.find("Retour lancement OK"));
  EXPECT_TRUE((*messages_).empty());
}

TEST_F(Launch, EmulatorThatCannotStartReportsErreurLancementAndStillReturns) {
  gShell.settings.emuProgram = "missing-emulator";
  gShell.settings.scrTimeOut = 60;
  EXPECT_EQ(LaunchEntry("rom1", 0, 0), 1);
  ASSERT_EQ((*messages_).size(), 1u);
  EXPECT_EQ((*messages_)[0].text, "Erreur lancement");
  EXPECT_EQ((*messages_)[0].caption, "");
  const std::string log = Log();
  EXPECT_NE(log.find("Erreur lancement"), std::string::npos);
  EXPECT_NE(log.find("Retour lancement OK"), std::string::npos);
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  EXPECT_TRUE(Runs().empty());

  // A missing emulator directory fails the same way.
  messages_->clear();
  gShell.settings.emuProgram = "mame";
  gShell.settings.emuDirectory = dir_ / "Nowhere";
  EXPECT_EQ(LaunchEntry("rom1", 0, 0), 1);
  EXPECT_EQ((*messages_).size(), 1u);
}

TEST_F(Launch, WaitsForTheEmulatorAndRearmsTheScreensaver) {
  Script("run_ms=1200");
  gShell.settings.scrTimeOut = 5;
  gShell.screensaverTimer.armed = true;
  const auto t0 = std::chrono::steady_clock::now();
  LaunchOnce("rom1");
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
  EXPECT_GE(ms, 1200);
  EXPECT_LT(ms, 1200 + 5000);  // one poll late at most, with room for a loaded machine
  EXPECT_TRUE(Runs().at(0).ended);
  EXPECT_TRUE(gShell.screensaverTimer.armed);
  EXPECT_TRUE(gShell.launched);
}

TEST_F(Launch, TwoRunsAreCountedInTheGameListAndGlobalRecords) {
  gShell.settings.transitions = true;
  LaunchOnce("rom1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "1");
  const std::string firstDate = GameStat("rom1", "Dt");
  EXPECT_FALSE(firstDate.empty());
  std::filesystem::remove(record_);
  Script("run_ms=1100");
  LaunchOnce("rom1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "2");
  EXPECT_EQ(GlobalStat("games", "Nb"), "2");
  EXPECT_EQ(GlobalStat("StatGen", "Nb"), "2");
  EXPECT_EQ(GameStat("rom1", "NbScr"), "");
  // The second run took about a second: "0:0.1" (poll ticks may lose up to half a second).
  EXPECT_EQ(GameStat("rom1", "TpsJeux"), "0:0.1");
  EXPECT_EQ(GlobalStat("StatGen", "TpsJeux"), "0:0.1");
  EXPECT_FALSE(GlobalStat("StatGen", "TpsTot").empty());
  EXPECT_FALSE(GameStat("rom1", "Dt").empty());
  EXPECT_EQ(gRender.clocks.fadeLevel, 0.0f);  // the opening transition follows the game
}

TEST_F(Launch, ARunSavedWhileItGoesOnAndAtItsEndIsCountedOnce) {
  Script("run_ms=2300");
  gShell.launchTiming.pollMs = 100;
  gShell.launchTiming.runSaveMs = 300;  // several saves while the game runs, then the last one
  LaunchOnce("rom1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "1");
  EXPECT_EQ(GlobalStat("games", "Nb"), "1");
  EXPECT_EQ(GlobalStat("StatGen", "Nb"), "1");
  // The time of the run once, not once per save.
  for (const std::string& time : {GameStat("rom1", "TpsJeux"), GlobalStat("StatGen", "TpsJeux")}) {
    EXPECT_GE(ParsePlayTime(time), 2000u) << time;
    EXPECT_LT(ParsePlayTime(time), 5000u) << time;
  }
}

TEST_F(Launch, CoinKeysDuringTheGameAreAddedToTheThreeRecords) {
  Script("run_ms=1500");
  PressKeysDuringGame({0x35, 0x35, 0x41, 0x35, 0x38, 0x35, 0x35, 0x38, 0x36});
  LaunchOnce("rom1");
  for (auto [file, section] : {std::pair{std::string("lists/games.sta"), std::string("rom1")},
                               std::pair{std::string("Orvanel.sta"), std::string("games")},
                               std::pair{std::string("Orvanel.sta"), std::string("StatGen")}}) {
    const std::string path = dir_ / file;
    EXPECT_EQ(platform::ReadProfileString(path, section, "C1", ""), "5") << section;
    EXPECT_EQ(platform::ReadProfileString(path, section, "C2", ""), "1") << section;
    EXPECT_EQ(platform::ReadProfileString(path, section, "C3", ""), "") << section;
    EXPECT_EQ(platform::ReadProfileString(path, section, "C4", ""), "2") << section;
  }
  // Counts add to what the files held.
  std::filesystem::remove(record_);
  PressKeysDuringGame({0x35});
  LaunchOnce("rom1");
  EXPECT_EQ(GameStat("rom1", "C1"), "6");
  EXPECT_EQ(GlobalStat("StatGen", "C4"), "2");
}

TEST_F(Launch, ANormalRunSavesLastGameAndAScreensaverRunDoesNot) {
  dir_.Write("config/emu/config.ini", "[Config]\r\nLastGame=rom1\r\n");
  dir_.Write("lists/games.txt", "[rom1]\r\nFullName=One\r\n[rom2]\r\nFullName=Two\r\n");
  gShell.settings.currentConfig = "emu";
  gShell.settings.lastGame = "rom2";
  wire::LoadAndSortGameList();
  wire::SelectLastGame();
  const auto lastGame = [&] { return platform::ReadProfileString(dir_ / "config/emu/config.ini", "Config", "LastGame", ""); };

  EXPECT_EQ(LaunchEntry("rom2", 1, 0), 1);
  EXPECT_EQ(Runs().size(), 1u);
  EXPECT_EQ(lastGame(), "rom1");  // the game the screensaver picked is not the player's choice
  EXPECT_EQ(LaunchEntry("rom2", 0, 0), 1);
  EXPECT_EQ(Runs().size(), 2u);
  EXPECT_EQ(lastGame(), "rom2");
}

TEST_F(Launch, FailedStartCountsNothing) {
  gShell.settings.emuProgram = "missing-emulator";
  EXPECT_EQ(LaunchEntry("rom1", 0, 0), 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "lists/games.sta"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Orvanel.sta"));
}

TEST_F(Launch, ProgramWithoutDirectoryIsLookedUpInPath) {
  gShell.settings.emuDirectory = "";
  gShell.settings.emuProgram = "true";
  EXPECT_EQ(BuildCommandLine(gShell.settings, "rom1"), "\"true\" \"" + (dir_ / "Emu/roms/rom1") + "\"");
  EXPECT_EQ(LaunchEntry("rom1", 0, 0), 1);
  EXPECT_TRUE((*messages_).empty());
}

}  // namespace
