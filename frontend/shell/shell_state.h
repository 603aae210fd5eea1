// The shell's state for the life of the process, in one record: where the installation
// is, the settings, whether the loop runs, the ticks of its periodic steps, the list
// window, input (keys and joysticks), screensaver, music, launch timing, slide show, sounds
// and the event hooks.
#pragma once

#include "catalogue/catalogue_state.h"
#include "catalogue/list_window.h"
#include "frontend/shell/hook_state.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/launch_timing.h"
#include "frontend/shell/music_state.h"
#include "frontend/shell/pad_input_state.h"
#include "frontend/shell/screen_notice.h"
#include "frontend/shell/screensaver_timer_state.h"
#include "frontend/shell/slide_show_state.h"
#include "frontend/shell/sound_slots.h"
#include "frontend/shell/volume_ramp_state.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>

namespace shell {

enum RunStateValue : int {
  kRunStopped = 0,   // the loop ends at its next test
  kRunRunning = 1,
  kRunQuitting = 2,  // the quit key was pressed: ends when the closing transition is over
};

// The exit status of a run that had to stop (no settings, no display, no layout).
inline constexpr int kFailureStatus = 1;

enum class DisplayReset : int {
  None = 0,
  Targets,  // target textures lost their content: release and reload the resources
  Device,   // the renderer is gone: re-create it, then reload
};

struct Shell {
  std::string baseDirectory;         // directory of the program file, no trailing '/'
  std::uint32_t startTick = 0;       // first action of the start-up
  int runState = kRunRunning;        // RunState
  // What the program ends with: 0 when the owner left (or the system asked it to), 1 when it
  // had to stop, so a kiosk unit knows to start it again.
  int exitStatus = 0;
  bool deviceLost = false;           // resources released for a lost display
  bool launched = false;             // a game ran; cleared once the display is usable
  DisplayReset pendingReset = DisplayReset::None;
  std::uint32_t musicCheckTime = 0;  // last look at the music
  std::uint32_t statisticsSaveTime = 0;
  std::uint32_t configLoadTick = 0;  // when the current configuration was loaded; 0 = none
  // The current configuration's list is loaded and its last game selected: only then do
  // the selection and the list's time describe what the player saw, and may be saved. A
  // start-up or a switch that fails before that point leaves LastGame and the list's
  // statistics as they were.
  bool listShown = false;
  VolumeRamp volumeRamp;
  Settings settings;  // filled by LoadConfiguration
  catalogue::ListWindow listWindow;
  InputState input;
  ScreensaverTimer screensaverTimer;
  MusicState music;
  LaunchTiming launchTiming;
  SlideShow slideShow;
  SoundSlots sounds;
  PadInputState pads;  // the joysticks
  ScreenNotice notice;  // a message shown for a few seconds
  HookState hooks;      // the owner's event hooks
};

extern Shell gShell;
// The catalogue's records of this process (the list, the history panel, the statistics, the
// random generator): the catalogue's functions are handed the part they work on.
extern catalogue::CatalogueState gCatalogue;

// The shell's records are all in gShell, with one owner: this frees the sounds and puts
// gShell and, through ResetCatalogueState, the catalogue back to their start-up values.
// The drawing's records have their own reset (ResetRenderState).
void ResetShellState();

}  // namespace shell
