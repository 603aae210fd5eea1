#include "frontend/shell/shell_state.h"

#include "frontend/catalogue/catalogue_state.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/list_window.h"
#include "frontend/shell/music.h"
#include "frontend/shell/pad_input.h"
#include "frontend/shell/screensaver.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/sounds.h"

Shell gShell;
Settings gSettings;

void ResetShellState() {
  gShell = {};
  gSettings = {};
  gListWindow = {};
  gInput = {};
  gScreensaverTimer = {};
  gMusic = {};
  gLaunchTiming = {};
  gSlideShow = {};
  ResetPadInput();
  FreeSounds();
  ResetCatalogueState();
}
