#include "catalogue/game_run.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/picture_loading.h"
#include "render/render_state.h"
#include "render/video_snap.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/coin_keys.h"
#include "frontend/shell/configuration_switch.h"
#include "frontend/shell/display_handover.h"
#include "frontend/shell/game_end.h"
#include "frontend/shell/event_hooks.h"
#include "frontend/shell/game_exit.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/journal_entry.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/launch_log.h"
#include "frontend/shell/launch_outcome.h"
#include "frontend/shell/music.h"
#include "frontend/shell/pad_devices.h"
#include "frontend/shell/screen_notice.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "keytracker/key_tracker.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/error_capture.h"
#include "platform/joysticks.h"
#include "platform/keyboard_state.h"
#include "platform/local_time.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/window.h"
#include "platform/window_handover.h"
#include "settings/safe_name.h"

#include <array>
#include <memory>

using render::LoadSelectionMedia;
using render::ReleaseForReset;
using render::ResetDisplay;
using render::SetDrawLock;
using render::SetupRenderState;
using render::StopVideoSnap;
namespace shell {

using catalogue::BeginGameRun;
using catalogue::CountGameRun;
using catalogue::CountTrackedKey;
using catalogue::GameRun;
using catalogue::SaveGameRun;
using catalogue::TurnIntoNormalRun;

namespace {

void HandOverDisplay(const ShellRecords& r, const Settings& s) {
  StopVideoSnap(r.render);  // the game gets the processor and the sound
  SetDrawLock(r.render, 1);
  if (ReleaseWholeDisplay(r.render)) return;  // on the console the game needs the display itself
  ReleaseForReset(r.render);
  if (s.modeFenetre) return;
  platform::Sleep(r.shell.launchTiming.fullScreenPauseMs);
  if (!platform::HandOverFullScreen()) Beep(1000, 1000);
}

void TakeBackDisplay(const ShellRecords& r, const Settings& s) {
  if (WholeDisplayReleased()) {
    TakeBackWholeDisplay(r.shell, s);
  } else {
    if (!s.modeFenetre) platform::TakeBackFullScreen();
    ResetDisplay(r.render);
    SetupRenderState(r.render);
  }
  platform::TakeInputFocus();
  // The key held to leave the game is still down, and repeats: it must not act here.
  r.shell.input.heldSinceGame.Hold(platform::KeysDownNow());
  r.shell.input.heldKeysLook = platform::GetTickCount() + kHeldKeysLookMs;
  wire::LoadConfiguredTemplateImages(s.templateDir);
  LoadSelectionMedia(r.render);
  SetDrawLock(r.render, 0);
  platform::ReturnFreedMemory();
}

// Adds the coin keys of one look at the key tracker to the run. True when it reported any key.
bool CountCoinKeys(GameRun& run) {
  CoinCounts coins{};
  const bool seen = DrainCoinKeys(coins, KeyTrackerGetKey);
  for (std::size_t k = 0; k < coins.size(); ++k) {
    for (int n = 0; n < coins[k]; ++n) CountTrackedKey(run, static_cast<int>(k) + 1);
  }
  return seen;
}

// The tracker counts joystick buttons by the kernel's key codes, read from their nodes.
void WatchCoinButtons(const std::vector<PadCoinButton>& buttons) {
  for (const PadCoinButton& b : buttons) {
    const int code = platform::JoystickButtonCode(b.node, b.button);
    if (code >= 0) KeyTrackerWatchJoystickKey(b.node.c_str(), code, static_cast<unsigned long>(kCoinKeys[b.coin]));
  }
}

// The held combination that ends the game, named to the tracker; nothing when it is off.
std::optional<GameExitCombination> WatchGameExitOf(const Settings& s, const std::vector<PadDevice>& pads) {
  std::string problem;
  std::optional<GameExitCombination> exit = GameExitOf(s, pads, &problem);
  if (exit && !WatchGameExit(*exit, &problem)) exit.reset();
  if (!problem.empty()) platform::WriteLog(problem, 1, 1);
  return exit;
}

// How a game ended: by itself, or asked to by the menu (held exit, the screensaver's time).
struct GameEnd {
  bool endedByMenu = false;
  bool failed = false;  // it gave up at once: no play was counted
  int exitCode = 0;
  bool screensaver = false;  // still a screensaver run when it ended (no coin turned it)
  std::uint32_t ranMs = 0;
  std::array<std::int32_t, 4> coins{};  // coin keys C1-C4 counted during the run
};

catalogue::RunEnding EndingOf(const GameEnd& end) {
  if (end.failed) return catalogue::RunEnding::kFailed;
  if (end.screensaver) return catalogue::RunEnding::kScreensaver;
  return end.endedByMenu ? catalogue::RunEnding::kExitCombo : catalogue::RunEnding::kNormal;
}

// The journal line of a run that has ended: written after the game, never during it.
void JournalGame(const ShellRecords& r, std::string_view romName, const platform::LocalDateTime& start,
                 const GameEnd& end) {
  catalogue::JournalRun run;
  run.start = {{start.year, start.month, start.day}, start.hour, start.minute, start.second};
  run.durationS = end.ranMs / 1000;
  run.configuration = r.shell.settings.currentConfig;
  run.romName = romName;
  run.fullName = JournalFullName(r.catalogue.games, romName);
  run.coins = end.coins;
  run.ending = EndingOf(end);
  AppendJournalLine(r.shell.baseDirectory, run);
}

// Waits for the emulator, polling the coin keys and the exit combination, and keeps the
// run's statistics. The run counts once it has lasted kFailedStartMs or ended well.
GameEnd WatchGame(const ShellRecords& r, platform::ProcessHandle& process, std::string_view romName,
                  bool screensaver, const std::vector<PadCoinButton>& coinButtons,
                  const std::vector<PadDevice>& pads) {
  const Settings& s = r.shell.settings;
  const LaunchTiming& timing = r.shell.launchTiming;
  WatchCoinButtons(coinButtons);
  const std::optional<GameExitCombination> exit = WatchGameExitOf(s, pads);
  KeyTrackerInit(kCoinKeys[0], kCoinKeys[1], kCoinKeys[2], kCoinKeys[3]);
  std::uint32_t now = platform::GetTickCount();
  const std::uint32_t launchTick = now;
  std::uint32_t lastSave = now;
  GameRun run = BeginGameRun(r.catalogue.statistics, romName, screensaver, now);
  GameEnd end;

  bool looked = false;
  for (;;) {
    const std::uint32_t wait = exit ? UntilGameExit(*exit, KeyTrackerCombinationHeldMs(), timing.pollMs) : timing.pollMs;
    if (wait == 0) {
      platform::WriteLog("Fin du jeu demand\xE9" "e au panneau (SortieJeu)", 1, 1);
      // Asked to close first, so it saves its NVRAM and settings; then the whole group.
      EndGame(process, timing.closeGraceMs, timing.exitGraceMs);
      end.endedByMenu = true;
      break;
    }
    if (platform::WaitProcess(process, wait) != platform::WaitResult::kTimedOut) break;
    now = platform::GetTickCount();
    StepHooks(r.shell.hooks, now);  // hooks still running are timed during the game too
    looked = true;
    if (now - launchTick >= kFailedStartMs) CountGameRun(r.catalogue.statistics, run);
    const bool seen = CountCoinKeys(run);
    if (run.screensaver) {
      if (seen) {
        Beep(500, 1000);
        TurnIntoNormalRun(r.catalogue.statistics, run, now);
      } else if (static_cast<std::int64_t>(now - run.startTick) > std::int64_t{s.scrDuration} * 1000) {
        // Only the emulator we started, with everything in its process group.
        EndGame(process, timing.closeGraceMs, timing.killGraceMs);
        end.endedByMenu = true;
        break;
      }
    } else if (now - lastSave > timing.runSaveMs) {
      lastSave = now;
      SaveGameRun(r.catalogue.statistics, run, now);
    }
  }
  const std::uint32_t endTick = platform::GetTickCount();
  NoteGameEnded(endTick);  // the return is timed from here
  if (!looked) now = endTick;
  end.exitCode = process.exitCode();
  end.failed = !run.counted && IsFailedStart(end.exitCode, endTick - launchTick, end.endedByMenu);
  end.ranMs = endTick - launchTick;
  // Coins put in since the last look still count (a screensaver run has ended anyway).
  if (!run.screensaver && !end.failed) CountCoinKeys(run);

  KeyTrackerTerm();
  if (!end.failed) {
    CountGameRun(r.catalogue.statistics, run);
    if (!run.screensaver) SaveGameRun(r.catalogue.statistics, run, now);
  }
  end.screensaver = run.screensaver;
  end.coins = run.keyCounts;
  if (s.transitions) r.render.clocks.fadeLevel = 0.0f;
  return end;
}

// A name from a list file that could reach outside the ROM folder or read as an option is
// never handed to the emulator.
bool RefuseUnsafeName(const ShellRecords& r, std::string_view romName) {
  const std::string_view reason = settings::UnsafeNameReason(romName);
  if (reason.empty()) return false;
  platform::WriteLog(RefusedNameLog(romName, reason), 1, 1);
  ShowScreenNotice(r.shell.notice, r.render.sources.notice, RefusedNameNotice(romName, reason), platform::GetTickCount());
  AskForFrame(r.render.clocks);
  return true;
}

}  // namespace

int LaunchEntry(const ShellRecords& r, std::string_view name, int screensaver, int switchConfiguration) {
  KillScreensaverTimer(r.shell.screensaverTimer);
  if (switchConfiguration) return SwitchConfiguration(r.shell, r.catalogue, r.render, name);
  return LaunchGame(r, name, screensaver != 0);
}

int LaunchGame(const ShellRecords& r, std::string_view romName, bool screensaver) {
  const Settings& s = r.shell.settings;
  if (RefuseUnsafeName(r, romName)) {
    ArmScreensaverTimer(r.shell.screensaverTimer, s.scrTimeOut);
    return 1;
  }
  std::string text = "Lancement de ";
  text += romName;
  if (screensaver) text += " (screensaver)";
  platform::WriteLog(text, 1, 1);
  if (!screensaver) PlaySound(r.shell.sounds, kSoundGameLaunch, 0);
  // Started now, so they use the launch's pause; the emulator waits for them below.
  FireHooks(r.shell, r.catalogue, kHookGameStart, romName);
  PauseWithHooks(r.shell.hooks, r.shell.launchTiming.pauseBeforeMs);

  const std::vector<std::string> args = LaunchArguments(s, romName);
  if (!screensaver) wire::SaveFavouritesAndLastGame();
  const std::vector<PadCoinButton> coinButtons = CoinButtonsOfPads(r.shell.pads, r.shell.settings);
  const std::vector<PadDevice> pads = ConnectedPads(r.shell.pads);
  ReleasePads(r.shell, r.render);  // an emulator may want a joystick for itself
  HandOverDisplay(r, s);
  // Closed before the emulator starts: it may open the device as it starts.
  PauseMusic(r.shell.music, 1);
  platform::SuspendAudio();
  r.shell.launched = true;

  // A foreign X11 program cannot be started hidden.
  if (!s.modeFenetre && s.cacherFenetre) platform::WriteLog("CacherFenetre : fen\xEAtre de l'\xE9mulateur visible", 1, 1);
  const std::string workingDirectory = s.emuDirectory.empty() ? std::string() : platform::ResolvePath(s.emuDirectory);
  // What the emulator says on standard error is kept to tell the player why it gave up.
  std::unique_ptr<platform::ErrorCapture> errors = platform::ErrorCapture::Start();
  platform::ChildStreams streams;
  if (errors) streams.error = errors->writeEnd();
  WaitForHooks(r.shell.hooks, kHookGameStart, kHookWaitMs);
  int startError = 0;
  const platform::LocalDateTime startTime = platform::LocalNow();
  std::optional<platform::ProcessHandle> process =
      platform::SpawnProcess(args[0], args, workingDirectory, &startError, streams);
  if (errors) errors->ChildStarted();
  std::string notice;
  int coins = 0;
  if (process) {
    const GameEnd end = WatchGame(r, *process, romName, screensaver, coinButtons, pads);
    for (const std::int32_t n : end.coins) coins += n;
    JournalGame(r, romName, startTime, end);
    const std::string errorTail = errors ? errors->Finish() : std::string();
    if (end.failed) {
      platform::WriteLog(FailedStartLog(romName, end.exitCode, errorTail), 1, 1);
      notice = FailedStartNotice(romName, end.exitCode, platform::LastLine(errorTail));
    }
  } else {
    // The path PATH gave, or the name as written when nothing was found.
    std::string tried = platform::FindProgram(args[0]);
    if (tried.empty()) tried = args[0];
    platform::ShowTranslatedMessageBox(StartErrorMessage(startError), {tried, std::to_string(startError)}, "");
  }
  errors.reset();
  // Also after a failed start: what game-start set up (lights, a restrictor) is put back.
  FireHooks(r.shell, r.catalogue, kHookGameEnd, romName, coins);

  TakeBackDisplay(r, s);
  ArmScreensaverTimer(r.shell.screensaverTimer, s.scrTimeOut);
  platform::ResumeAudio();
  PauseMusic(r.shell.music, 0);
  platform::WriteLog("Retour lancement OK", 1, 1);
  if (!s.modeFenetre) platform::SetPointerVisible(false);
  ResetClocks(r.render, r.shell.volumeRamp, platform::GetTickCount());
  if (!notice.empty()) ShowScreenNotice(r.shell.notice, r.render.sources.notice, notice, platform::GetTickCount());
  // Keys the player pressed for the game must not act in the menu.
  platform::DiscardPendingInput();
  RetakePads(r.shell.pads);
  return 1;
}

}  // namespace shell
