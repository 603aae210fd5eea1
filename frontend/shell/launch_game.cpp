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
  NoteGameEnded(platform::GetTickCount());
  if (WholeDisplayReleased()) {
    TakeBackWholeDisplay(s);
  } else {
    if (!s.modeFenetre) platform::TakeBackFullScreen();
    ResetDisplay();
    SetupRenderState();
  }
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

// Waits for the emulator, polling the coin keys, and keeps the run's statistics.
void WatchGame(platform::ProcessHandle& process, std::string_view romName, bool screensaver,
               const std::vector<PadCoinButton>& coinButtons) {
  const Settings& s = gShell.settings;
  PauseMusic(1);
  platform::SuspendAudio();  // the game may need the device for itself
  WatchCoinButtons(coinButtons);
  KeyTrackerInit(kCoinKeys[0], kCoinKeys[1], kCoinKeys[2], kCoinKeys[3]);
  std::uint32_t now = platform::GetTickCount();
  std::uint32_t lastSave = now;
  GameRun run = BeginGameRun(romName, screensaver, now);

  bool looked = false;
  while (platform::WaitProcess(process, gShell.launchTiming.pollMs) == platform::WaitResult::kTimedOut) {
    now = platform::GetTickCount();
    looked = true;
    const bool seen = CountCoinKeys(run);
    if (run.screensaver) {
      if (seen) {
        Beep(500, 1000);
        TurnIntoNormalRun(run, now);
      } else if (static_cast<std::int64_t>(now - run.startTick) > std::int64_t{s.scrDuration} * 1000) {
        // Only the emulator we started, with everything in its process group.
        platform::TerminateProcessGroup(process, gShell.launchTiming.killGraceMs);
        break;
      }
    } else if (now - lastSave > gShell.launchTiming.runSaveMs) {
      lastSave = now;
      SaveGameRun(run, now);
    }
  }
  if (!looked) now = platform::GetTickCount();

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
  ReleasePads();  // an emulator may want a joystick for itself
  HandOverDisplay(s);
  gShell.launched = true;

  // A foreign X11 program cannot be started hidden.
  if (!s.modeFenetre && s.cacherFenetre) platform::WriteLog("CacherFenetre : fen\xEAtre de l'\xE9mulateur visible", 1, 1);
  const std::vector<std::string> args = platform::SplitCommandLine(commandLine);
  const std::string workingDirectory = s.emuDirectory.empty() ? std::string() : platform::ResolvePath(s.emuDirectory);
  std::optional<platform::ProcessHandle> process;
  if (!args.empty()) process = platform::SpawnProcess(args[0], args, workingDirectory);
  if (process) {
    WatchGame(*process, romName, screensaver, coinButtons);
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
