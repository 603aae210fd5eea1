#include "frontend/catalogue/game_run.h"
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
#include "frontend/shell/game_exit.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/launch_command.h"
#include "frontend/shell/music.h"
#include "frontend/shell/pad_input.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "keytracker/key_tracker.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/joysticks.h"
#include "platform/keyboard_state.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/window.h"
#include "platform/window_handover.h"

namespace {

void HandOverDisplay(const Settings& s) {
  StopVideoSnap();  // the game gets the processor and the sound
  SetDrawLock(1);
  if (ReleaseWholeDisplay()) return;  // on the console the game needs the display itself
  ReleaseForReset();
  if (s.modeFenetre) return;
  platform::Sleep(gShell.launchTiming.fullScreenPauseMs);
  if (!platform::HandOverFullScreen()) Beep(1000, 1000);
}

void TakeBackDisplay(const Settings& s) {
  if (WholeDisplayReleased()) {
    TakeBackWholeDisplay(s);
  } else {
    if (!s.modeFenetre) platform::TakeBackFullScreen();
    ResetDisplay();
    SetupRenderState();
  }
  platform::TakeInputFocus();
  // The key held to leave the game is still down, and repeats: it must not act here.
  gShell.input.heldSinceGame.Hold(platform::KeysDownNow());
  gShell.input.heldKeysLook = platform::GetTickCount() + kHeldKeysLookMs;
  wire::LoadConfiguredTemplateImages(s.templateDir);
  LoadSelectionMedia();
  SetDrawLock(0);
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

// Waits for the emulator, polling the coin keys and the exit combination, and keeps the
// run's statistics.
void WatchGame(platform::ProcessHandle& process, std::string_view romName, bool screensaver,
               const std::vector<PadCoinButton>& coinButtons, const std::vector<PadDevice>& pads) {
  const Settings& s = gShell.settings;
  const LaunchTiming& timing = gShell.launchTiming;
  WatchCoinButtons(coinButtons);
  const std::optional<GameExitCombination> exit = WatchGameExitOf(s, pads);
  KeyTrackerInit(kCoinKeys[0], kCoinKeys[1], kCoinKeys[2], kCoinKeys[3]);
  std::uint32_t now = platform::GetTickCount();
  std::uint32_t lastSave = now;
  GameRun run = BeginGameRun(romName, screensaver, now);

  bool looked = false;
  for (;;) {
    const std::uint32_t wait = exit ? UntilGameExit(*exit, KeyTrackerCombinationHeldMs(), timing.pollMs) : timing.pollMs;
    if (wait == 0) {
      platform::WriteLog("Fin du jeu demand\xE9" "e au panneau (SortieJeu)", 1, 1);
      // Asked to close first, so it saves its NVRAM and settings; then the whole group.
      EndGame(process, timing.exitGraceMs);
      break;
    }
    if (platform::WaitProcess(process, wait) != platform::WaitResult::kTimedOut) break;
    now = platform::GetTickCount();
    looked = true;
    const bool seen = CountCoinKeys(run);
    if (run.screensaver) {
      if (seen) {
        Beep(500, 1000);
        TurnIntoNormalRun(run, now);
      } else if (static_cast<std::int64_t>(now - run.startTick) > std::int64_t{s.scrDuration} * 1000) {
        // Only the emulator we started, with everything in its process group.
        EndGame(process, timing.killGraceMs);
        break;
      }
    } else if (now - lastSave > timing.runSaveMs) {
      lastSave = now;
      SaveGameRun(run, now);
    }
  }
  NoteGameEnded(platform::GetTickCount());  // the return is timed from here
  if (!looked) now = platform::GetTickCount();
  // Coins put in since the last look still count (a screensaver run has ended anyway).
  if (!run.screensaver) CountCoinKeys(run);

  KeyTrackerTerm();
  if (!run.screensaver) SaveGameRun(run, now);
  if (s.transitions) gRender.clocks.fadeLevel = 0.0f;
}

}  // namespace

int LaunchEntry(std::string_view name, int screensaver, int switchConfiguration) {
  KillScreensaverTimer();
  if (switchConfiguration) return SwitchConfiguration(name);
  return LaunchGame(name, screensaver != 0);
}

int LaunchGame(std::string_view romName, bool screensaver) {
  const Settings& s = gShell.settings;
  std::string text = "Lancement de ";
  text += romName;
  if (screensaver) text += " (screensaver)";
  platform::WriteLog(text, 1, 1);
  if (!screensaver) PlaySound(kSoundGameLaunch, 0);
  platform::Sleep(gShell.launchTiming.pauseBeforeMs);

  const std::string commandLine = BuildCommandLine(s, romName);
  if (!screensaver) wire::SaveFavouritesAndLastGame();
  const std::vector<PadCoinButton> coinButtons = CoinButtonsOfPads();
  const std::vector<PadDevice> pads = ConnectedPads();
  ReleasePads();  // an emulator may want a joystick for itself
  HandOverDisplay(s);
  // Closed before the emulator starts: it may open the device as it starts.
  PauseMusic(1);
  platform::SuspendAudio();
  gShell.launched = true;

  // A foreign X11 program cannot be started hidden.
  if (!s.modeFenetre && s.cacherFenetre) platform::WriteLog("CacherFenetre : fen\xEAtre de l'\xE9mulateur visible", 1, 1);
  const std::vector<std::string> args = platform::SplitCommandLine(commandLine);
  const std::string workingDirectory = s.emuDirectory.empty() ? std::string() : platform::ResolvePath(s.emuDirectory);
  std::optional<platform::ProcessHandle> process;
  if (!args.empty()) process = platform::SpawnProcess(args[0], args, workingDirectory);
  if (process) {
    WatchGame(*process, romName, screensaver, coinButtons, pads);
  } else {
    platform::ShowMessageBox("Erreur lancement", "");
  }

  TakeBackDisplay(s);
  ArmScreensaverTimer(s.scrTimeOut);
  platform::ResumeAudio();
  PauseMusic(0);
  platform::WriteLog("Retour lancement OK", 1, 1);
  if (!s.modeFenetre) platform::SetPointerVisible(false);
  ResetClocks(platform::GetTickCount());
  // Keys the player pressed for the game must not act in the menu.
  platform::DiscardPendingInput();
  RetakePads();
  return 1;
}
