#include "frontend/shell/shell_state.h"
#include "launch_fixture.h"
#include "catalogue/statistics.h"
#include "frontend/shell/wiring_render_state.h"

#include "render/animation_clock.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/launch_log.h"
#include "platform/message_catalogue.h"
#include "frontend/shell/launch_outcome.h"
#include "frontend/shell/main_loop.h"
#include "frontend/shell/screen_notice.h"
#include "platform/window.h"
#include "frontend/shell/wiring_input.h"
#include "render/render_state.h"

#include <chrono>

using shell::DismissScreenNotice;
using shell::DispatchEvent;
using shell::ExpandLaunchTokens;
using shell::FailedStartNotice;
using shell::IsFailedStart;
using shell::LaunchEntry;
using shell::LaunchTokens;
using shell::RomPath;
using shell::SplitEmulatorParams;
using shell::gCatalogue;
using shell::gShell;
using shell::kFailedStartMs;
using shell::kRunRunning;
namespace wire = shell::wire;

using catalogue::ParsePlayTime;

namespace {

using Args = std::vector<std::string>;

class Launch : public LaunchFixture {
 protected:
  EmulatorRun LaunchOnce(const std::string& rom) {
    EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, rom, 0, 0), 1);
    auto runs = Runs();
    EXPECT_EQ(runs.size(), 1u);
    return runs.empty() ? EmulatorRun{} : runs.back();
  }
};

TEST_F(Launch, QuotedProgramAndRomPathWithTheFirstExistingExtension) {
  dir_.Write("Emu/roms/rom1.zip", "z");
  dir_.Write("Emu/roms/rom1.7z", "7");
  const EmulatorRun run = LaunchOnce("rom1");
  EXPECT_EQ(run.argv, (Args{dir_ / "Emu/mame", dir_ / "Emu/roms/rom1.zip"}));
  EXPECT_EQ(run.cwd, dir_ / "Emu");
  EXPECT_TRUE(run.ended);
}

// The ROM path is one argument whatever it holds and whatever Guillemets says: a name
// with blanks or an option in it never gives the emulator another argument.
TEST_F(Launch, TheRomPathIsOneArgumentWithOrWithoutGuillemets) {
  const std::string name = "pacman -autoboot_script x.lua";
  dir_.Write("Emu/roms/" + name + ".zip", "z");
  for (const bool guillemets : {true, false}) {
    std::filesystem::remove(record_);
    gShell.settings.guillemets = guillemets;
    EXPECT_EQ(LaunchOnce(name).argv, (Args{dir_ / "Emu/mame", dir_ / ("Emu/roms/" + name + ".zip")})) << guillemets;
  }
}

TEST_F(Launch, EmuParamsAreSplitLikeAShellAndTokensFilledAfterTheSplit) {
  const LaunchTokens t{"/r o/m.zip", "m", "/r o", "/emu"};
  const auto expand = [&](const std::string& params) {
    Args out;
    for (const std::string& w : SplitEmulatorParams(params)) out.push_back(ExpandLaunchTokens(w, t));
    return out;
  };
  const std::vector<std::pair<std::string, Args>> cases{
      {"", {}},
      {"   \t ", {}},
      {"%ROM%", {"/r o/m.zip"}},  // a value with a blank stays one argument
      {"-rompath \"%ROMDIR%\" -skip_gameinfo %NAME%", {"-rompath", "/r o", "-skip_gameinfo", "m"}},
      {"-cfg=%EMUDIR%/cfg  %NAME%.zip", {"-cfg=/emu/cfg", "m.zip"}},
      {"a\"b c\"d \"\"", {"ab cd", ""}},         // quotes group and go; "" alone is a word
      {"\"open quote runs on", {"open quote runs on"}},
      {"%UNKNOWN% %rom% 100% %%NAME%", {"%UNKNOWN%", "%rom%", "100%", "%m"}},
      {"%NAME%%NAME%", {"mm"}},
  };
  for (const auto& [params, want] : cases) EXPECT_EQ(expand(params), want) << params;
}

TEST_F(Launch, EmuParamsGiveTheEmulatorItsArgumentsForEachGame) {
  std::filesystem::create_directories(dir_ / "Emu/my roms");
  dir_.Write("Emu/my roms/pong.zip", "z");
  gShell.settings.romDir = dir_ / "Emu/my roms";
  gShell.settings.emuParams = "-rompath \"%ROMDIR%\" -skip_gameinfo %NAME% -x %ROM% -e %EMUDIR%";
  EXPECT_EQ(LaunchOnce("pong").argv, (Args{dir_ / "Emu/mame", "-rompath", dir_ / "Emu/my roms", "-skip_gameinfo", "pong",
                                           "-x", dir_ / "Emu/my roms/pong.zip", "-e", dir_ / "Emu"}));
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
}

// A list file is text anyone may edit: a name that could add an option or reach outside the
// ROM folder is never launched, by the player or by the screensaver.
TEST_F(Launch, NamesThatCouldSteerTheEmulatorAreRefusedAndNamed) {
  for (const std::string& name : std::vector<std::string>{"pacman\" -autoboot_script \"x.lua", "-autoboot_script",
                                                        "../../etc/passwd", "sub/game", "a\\b", "ctl\x01x", "nl\nx"}) {
    for (const int screensaver : {0, 1}) {
      gShell.notice = {};
      gRender.sources.notice = "lasting";
      EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, name, screensaver, 0), 1) << name;
      EXPECT_NE(gRender.sources.notice.find("Lancement refusé"), std::string::npos) << name;
      EXPECT_TRUE(DismissScreenNotice(gShell.notice, gRender.sources.notice));
      EXPECT_EQ(gRender.sources.notice, "lasting");  // the lasting notice comes back
    }
  }
  EXPECT_TRUE(Runs().empty());
  const std::string log = Log();
  // debug.txt is UTF-8.
  EXPECT_NE(log.find("Lancement refus\xC3\xA9, nom dangereux (contient un guillemet) : pacman\" -autoboot_script"), std::string::npos);
  EXPECT_NE(log.find("(commence par -) : -autoboot_script"), std::string::npos);
  EXPECT_EQ(log.find("Lancement de "), std::string::npos);
}

// The player reads the refusal in the owner's language; debug.txt keeps its French line.
TEST_F(Launch, RefusalIsShownInTheOwnersLanguageAndLoggedInFrench) {
  platform::UseMessageLanguage("en", std::string(ORV_BINARY_DIR) + "/locale");
  gShell.notice = {};
  gRender.sources.notice.clear();
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "-x", 0, 0), 1);
  const std::string notice = gRender.sources.notice;
  EXPECT_EQ(FailedStartNotice("g", 1, ""), "g did not start (exit code 1)");
  platform::UseMessageLanguage("fr", std::string(ORV_BINARY_DIR) + "/locale");
  EXPECT_EQ(notice, "Not started: the name \u201C-x\u201D starts with -");
  EXPECT_NE(Log().find("Lancement refus\xC3\xA9, nom dangereux (commence par -) : -x"), std::string::npos);
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
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
  ASSERT_EQ((*messages_).size(), 1u);
  // The path tried, for an owner who wrote the emulator's options into EmuExe.
  EXPECT_EQ((*messages_)[0].text, "Erreur lancement\n" + (dir_ / "Emu/missing-emulator") + " : introuvable");
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
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
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
  // Polls at 500, 1000 and 1500 ms: the last pass before the end is well inside the second.
  Script("run_ms=1700");
  LaunchOnce("rom1");
  EXPECT_EQ(GameStat("rom1", "Nb"), "2");
  EXPECT_EQ(GlobalStat("games", "Nb"), "2");
  EXPECT_EQ(GlobalStat("StatGen", "Nb"), "2");
  EXPECT_EQ(GameStat("rom1", "NbScr"), "");
  // The second run counts to its last poll, about 1.5 s: "0:0.1" (whole seconds).
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

  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom2", 1, 0), 1);
  EXPECT_EQ(Runs().size(), 1u);
  EXPECT_EQ(lastGame(), "rom1");  // the game the screensaver picked is not the player's choice
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom2", 0, 0), 1);
  EXPECT_EQ(Runs().size(), 2u);
  EXPECT_EQ(lastGame(), "rom2");
}

TEST_F(Launch, FailedStartCountsNothing) {
  gShell.settings.emuProgram = "missing-emulator";
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "lists/games.sta"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Orvanel.sta"));
}

// An emulator that gives up at once with a non-zero status was not played: nothing is
// counted, debug.txt keeps its words, and the player is told why until a key is pressed.
TEST_F(Launch, AStartThatFailsCountsNoPlayAndSaysWhy) {
  struct Case {
    std::string script;
    int screensaver;
    bool failed;
  };
  const std::vector<Case> cases{
      {"exit_code=2;say=loading pong|pong.zip NOT FOUND", 0, true},
      {"exit_code=2;say=bad option", 1, true},
      {"exit_code=0;say=bye", 0, false},          // a quick but clean end is a play
      {"exit_code=3;run_ms=3400", 0, false},      // it ran: a late failure is a play
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dir_ / "lists/games.sta");
    std::filesystem::remove(dir_ / "Orvanel.sta");
    gCatalogue.statistics.global = {};
    gCatalogue.statistics.list = {};
    const std::size_t logStart = Log().size();
    gShell.notice = {};
    gRender.sources.notice.clear();
    Script(c.script);
    EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", c.screensaver, 0), 1);
    const std::string counter = c.screensaver ? "NbScr" : "Nb";
    EXPECT_EQ(GameStat("rom1", counter), c.failed ? "" : "1") << c.script;
    EXPECT_EQ(GlobalStat("StatGen", counter), c.failed ? "" : "1") << c.script;
    if (c.failed) {
      EXPECT_EQ(GameStat("rom1", "TpsJeux"), "") << c.script;  // no time either
    }
    EXPECT_EQ(!gRender.sources.notice.empty(), c.failed) << c.script;
    EXPECT_EQ(Log().find("\xC3\x89" "chec du lancement", logStart) != std::string::npos, c.failed) << c.script;
  }
  // The last case ran 3.4 s: its time counts.
  EXPECT_NE(GameStat("rom1", "TpsJeux"), "");

  Script("exit_code=2;say=loading pong|pong.zip NOT FOUND");
  gShell.notice = {};
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
  EXPECT_EQ(gRender.sources.notice, "Échec du lancement de rom1 (code 2)\npong.zip NOT FOUND");
  const std::string log = Log();
  EXPECT_NE(log.find("\xC3\x89" "chec du lancement de rom1 : code 2, partie non compt\xC3\xA9" "e\r\n  loading pong\r\n  pong.zip NOT FOUND"),
            std::string::npos);
  EXPECT_NE(log.find("Retour lancement OK"), std::string::npos);
  // Any panel key takes the message away and does nothing else.
  platform::WindowEvent key;
  key.type = platform::WindowEvent::Type::KeyDown;
  key.scancode = 81;  // Down
  DispatchEvent(key);
  EXPECT_TRUE(gRender.sources.notice.empty());
  EXPECT_EQ(gShell.runState, kRunRunning);
}

TEST_F(Launch, TheFailedStartMessageNamesASignalAndFitsASmallScreen) {
  const std::string words(200, 'w');
  const std::string notice = FailedStartNotice("g", 139, words + "\x01");
  EXPECT_EQ(notice, "Échec du lancement de g (signal 11)\n" + std::string(61, 'w') + "...");
  EXPECT_EQ(FailedStartNotice("g", 1, ""), "Échec du lancement de g (code 1)");
  EXPECT_FALSE(IsFailedStart(0, 10, false));
  EXPECT_FALSE(IsFailedStart(2, 10, true));    // the menu ended it
  EXPECT_FALSE(IsFailedStart(2, kFailedStartMs, false));
  EXPECT_TRUE(IsFailedStart(137, kFailedStartMs - 1, false));
}

TEST_F(Launch, ProgramWithoutDirectoryIsLookedUpInPath) {
  gShell.settings.emuDirectory = "";
  gShell.settings.emuProgram = "true";
  EXPECT_EQ(LaunchEntry({shell::gShell, shell::gCatalogue, gRender}, "rom1", 0, 0), 1);
  EXPECT_TRUE((*messages_).empty());
}

}  // namespace
