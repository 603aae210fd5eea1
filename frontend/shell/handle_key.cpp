#include "frontend/shell/handle_key.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "catalogue/random.h"
#include "render/frame_state.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/info_panel.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/key_actions.h"
#include "frontend/shell/kiosk_lock.h"
#include "frontend/shell/launch_game.h"
#include "frontend/shell/music.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/pad_actions.h"
#include "frontend/shell/search_panel.h"
#include "frontend/shell/selection_refresh.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/sounds.h"
#include "frontend/shell/volume_ramp.h"
#include "frontend/shell/wiring_render_state.h"
#include "platform/clock.h"
#include "settings/key_code_list.h"

using render::SetRotation;
namespace shell {

using catalogue::DrawPosition;
using catalogue::GameEntry;
using catalogue::GroupLetterOf;
using catalogue::LetterBack;
using catalogue::LetterForward;
using catalogue::ListShape;
using catalogue::PageBack;
using catalogue::PageForward;

namespace {

constexpr int kVolumeStep = 10;

void LaunchSelected() {
  const GameEntry* entry = SelectedEntry(gShell.listWindow, gCatalogue);
  if (entry == nullptr || entry->romName.empty()) return;
  LaunchEntry(entry->romName, 0, gShell.settings.typeMenu ? 1 : 0);
}

void Quit() {
  const Settings& s = gShell.settings;
  if (s.typeMenu) {
    LaunchEntry(gShell.input.previousConfig, 0, 1);
    return;
  }
  gShell.runState = kRunQuitting;
  if (s.transitions) StartFade(wire::Render().clocks, 1.0f, platform::GetTickCount());
  PlayQuitSound(gShell.sounds, s.transitions);
}

void PageMove(bool forward) {
  if (forward) {
    PageForward(gShell.listWindow, CurrentListShape(gCatalogue, wire::Render()));
  } else {
    PageBack(gShell.listWindow, CurrentListShape(gCatalogue, wire::Render()));
  }
  RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
}

void LetterMove(bool forward) {
  const GroupLetterOf letterOf = [](int p) {
    const std::string& title = gCatalogue.games.AtPosition(p).fullName;
    return title.empty() ? static_cast<unsigned char>(0) : static_cast<unsigned char>(title[0]);
  };
  const ListShape shape = CurrentListShape(gCatalogue, wire::Render());
  const bool moved = forward ? LetterForward(gShell.listWindow, shape, letterOf) : LetterBack(gShell.listWindow, shape, letterOf);
  if (moved) RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
}

void Up() {
  if (InfoPanelOpen(gCatalogue.history)) {
    if (ScrollInfoPanel(gCatalogue.history, gShell.settings, -1)) AskForFrame(wire::Render().clocks);
  } else if (MoveSelectionUp(gShell.listWindow, gCatalogue, wire::Render())) {
    RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
  }
}

void Down() {
  if (InfoPanelOpen(gCatalogue.history)) {
    if (ScrollInfoPanel(gCatalogue.history, gShell.settings, +1)) AskForFrame(wire::Render().clocks);
  } else if (MoveSelectionDown(gShell.listWindow, gCatalogue, wire::Render())) {
    RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
  }
}

void RandomGame() {
  const int count = gCatalogue.games.entryCount;
  if (count < 1) return;  // the draw divides by the count
  SelectPosition(gShell.listWindow, gCatalogue, wire::Render(), DrawPosition(gCatalogue.random, count));
  RefreshAfterMove(wire::Render(), gShell.input, gShell.sounds);
}

void OpenMenu() {
  Settings& s = gShell.settings;
  if (s.menu.empty()) return;
  gShell.input.previousConfig = s.currentConfig;
  LaunchEntry(s.menu, 0, 1);
}

void OpenBaseMenu() {
  if (!gShell.settings.emuBase.empty()) LaunchEntry(gShell.settings.emuBase, 0, 1);
}

void ToggleFavourites() {
  Settings& s = gShell.settings;
  if (s.typeMenu) return;
  s.listeFavoris = !s.listeFavoris;
  // Reloading the configuration saves the flag and reads the list in the other mode.
  // When that fails the list on screen is still the old one: so is the flag.
  if (!LaunchEntry(s.currentConfig, 0, 1)) s.listeFavoris = !s.listeFavoris;
}

// `raw` is the press's action without the information panel's rule, `action` with it;
// `code` its KeyCode (0 for a joystick control).
void Act(KeyAction raw, KeyAction action, int code) {
  Settings& s = gShell.settings;
  if (SearchOpen()) {
    SearchKey(gShell, gCatalogue, wire::Render(), raw);
    return;
  }
  // QuitKey in a menu configuration goes back to a configuration: only leaving is locked.
  const bool leaves = action == KeyAction::Quit && !s.typeMenu;
  switch (StepKioskLock(gShell.input.kioskLock, settings::ParseKeyCodeList(s.verrouillage), code, leaves, platform::GetTickCount())) {
    case LockStep::kPass: break;
    case LockStep::kSwallow: return;
    case LockStep::kQuit: Quit(); return;
  }
  switch (action) {
    case KeyAction::None: break;
    case KeyAction::Infos:
      ToggleInfoPanel(gShell, gCatalogue);
      AskForFrame(wire::Render().clocks);
      break;
    case KeyAction::LaunchGame: LaunchSelected(); break;
    case KeyAction::Quit: Quit(); break;
    case KeyAction::Left: s.move1Page ? PageMove(false) : LetterMove(false); break;
    case KeyAction::Right: s.move1Page ? PageMove(true) : LetterMove(true); break;
    case KeyAction::Up: Up(); break;
    case KeyAction::Down: Down(); break;
    case KeyAction::RandomGame: RandomGame(); break;
    case KeyAction::Menu: OpenMenu(); break;
    case KeyAction::MenuGen: OpenBaseMenu(); break;
    case KeyAction::VolumeDown: HoldVolumeKey(gShell.volumeRamp, gShell.settings, wire::Render(), -kVolumeStep); break;
    case KeyAction::VolumeUp: HoldVolumeKey(gShell.volumeRamp, gShell.settings, wire::Render(), kVolumeStep); break;
    case KeyAction::NextMusic: StopMusic(gShell.music); break;
    case KeyAction::Rotate:
      s.rotation = SetRotation(wire::Render().sources, s.rotation + 1);
      AskForFrame(wire::Render().clocks);
      break;
    case KeyAction::Favourites: ToggleFavourites(); break;
    case KeyAction::Search:
      if (!InfoPanelOpen(gCatalogue.history)) OpenSearch(gCatalogue, wire::Render());
      break;
  }
}

}  // namespace

void HandleKey(int code) {
  const KeySettings& keys = gShell.settings.keys;
  Act(ActionForKey(code, keys, false), ActionForKey(code, keys, InfoPanelOpen(gCatalogue.history)), code);
}

void HandlePadAction(KeyAction action) {
  const bool quitAssigned = gShell.settings.keys.quit > 0 || !gShell.settings.pads.quit.empty();
  Act(action, InfoPanelOpen(gCatalogue.history) ? PadActionInInfoPanel(action, quitAssigned) : action, 0);
}

}  // namespace shell
