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

void LaunchSelected(const ShellRecords& r) {
  const std::optional<GameEntry> entry = SelectedEntry(r.shell.listWindow, r.catalogue);
  if (!entry || entry->romName.empty()) return;
  LaunchEntry(r, entry->romName, 0, r.shell.settings.typeMenu ? 1 : 0);
}

void Quit(const ShellRecords& r) {
  const Settings& s = r.shell.settings;
  if (s.typeMenu) {
    LaunchEntry(r, r.shell.input.previousConfig, 0, 1);
    return;
  }
  r.shell.runState = kRunQuitting;
  if (s.transitions) StartFade(r.render.clocks, 1.0f, platform::GetTickCount());
  PlayQuitSound(r.shell.sounds, s.transitions);
}

void PageMove(const ShellRecords& r, bool forward) {
  if (forward) {
    PageForward(r.shell.listWindow, CurrentListShape(r.catalogue, r.render));
  } else {
    PageBack(r.shell.listWindow, CurrentListShape(r.catalogue, r.render));
  }
  RefreshAfterMove(r.render, r.shell.input, r.shell.sounds);
}

void LetterMove(const ShellRecords& r, bool forward) {
  const catalogue::GameList& games = r.catalogue.games;
  const GroupLetterOf letterOf = [&games](int p) {
    const std::string_view title = games.AtPosition(p).fullName;
    return title.empty() ? static_cast<unsigned char>(0) : static_cast<unsigned char>(title[0]);
  };
  const ListShape shape = CurrentListShape(r.catalogue, r.render);
  const bool moved = forward ? LetterForward(r.shell.listWindow, shape, letterOf) : LetterBack(r.shell.listWindow, shape, letterOf);
  if (moved) RefreshAfterMove(r.render, r.shell.input, r.shell.sounds);
}

void Up(const ShellRecords& r) {
  if (InfoPanelOpen(r.catalogue.history)) {
    if (ScrollInfoPanel(r.catalogue.history, r.shell.settings, -1)) AskForFrame(r.render.clocks);
  } else if (MoveSelectionUp(r.shell.listWindow, r.catalogue, r.render)) {
    RefreshAfterMove(r.render, r.shell.input, r.shell.sounds);
  }
}

void Down(const ShellRecords& r) {
  if (InfoPanelOpen(r.catalogue.history)) {
    if (ScrollInfoPanel(r.catalogue.history, r.shell.settings, +1)) AskForFrame(r.render.clocks);
  } else if (MoveSelectionDown(r.shell.listWindow, r.catalogue, r.render)) {
    RefreshAfterMove(r.render, r.shell.input, r.shell.sounds);
  }
}

void RandomGame(const ShellRecords& r) {
  const int count = r.catalogue.games.entryCount;
  if (count < 1) return;  // the draw divides by the count
  SelectPosition(r.shell.listWindow, r.catalogue, r.render, DrawPosition(r.catalogue.random, count));
  RefreshAfterMove(r.render, r.shell.input, r.shell.sounds);
}

void OpenMenu(const ShellRecords& r) {
  Settings& s = r.shell.settings;
  if (s.menu.empty()) return;
  r.shell.input.previousConfig = s.currentConfig;
  LaunchEntry(r, s.menu, 0, 1);
}

void OpenBaseMenu(const ShellRecords& r) {
  if (!r.shell.settings.emuBase.empty()) LaunchEntry(r, r.shell.settings.emuBase, 0, 1);
}

void ToggleFavourites(const ShellRecords& r) {
  Settings& s = r.shell.settings;
  if (s.typeMenu) return;
  s.listeFavoris = !s.listeFavoris;
  // Reloading the configuration saves the flag and reads the list in the other mode.
  // When that fails the list on screen is still the old one: so is the flag.
  if (!LaunchEntry(r, s.currentConfig, 0, 1)) s.listeFavoris = !s.listeFavoris;
}

// `raw` is the press's action without the information panel's rule, `action` with it;
// `code` its KeyCode (0 for a joystick control).
void Act(const ShellRecords& r, KeyAction raw, KeyAction action, int code) {
  Settings& s = r.shell.settings;
  if (SearchOpen()) {
    SearchKey(r.shell, r.catalogue, r.render, raw);
    return;
  }
  // QuitKey in a menu configuration goes back to a configuration: only leaving is locked.
  const bool leaves = action == KeyAction::Quit && !s.typeMenu;
  switch (StepKioskLock(r.shell.input.kioskLock, settings::ParseKeyCodeList(s.verrouillage), code, leaves, platform::GetTickCount())) {
    case LockStep::kPass: break;
    case LockStep::kSwallow: return;
    case LockStep::kQuit: Quit(r); return;
  }
  switch (action) {
    case KeyAction::None: break;
    case KeyAction::Infos:
      ToggleInfoPanel(r.shell, r.catalogue);
      AskForFrame(r.render.clocks);
      break;
    case KeyAction::LaunchGame: LaunchSelected(r); break;
    case KeyAction::Quit: Quit(r); break;
    case KeyAction::Left: s.move1Page ? PageMove(r, false) : LetterMove(r, false); break;
    case KeyAction::Right: s.move1Page ? PageMove(r, true) : LetterMove(r, true); break;
    case KeyAction::Up: Up(r); break;
    case KeyAction::Down: Down(r); break;
    case KeyAction::RandomGame: RandomGame(r); break;
    case KeyAction::Menu: OpenMenu(r); break;
    case KeyAction::MenuGen: OpenBaseMenu(r); break;
    case KeyAction::VolumeDown: HoldVolumeKey(r.shell.volumeRamp, r.shell.settings, r.render, -kVolumeStep); break;
    case KeyAction::VolumeUp: HoldVolumeKey(r.shell.volumeRamp, r.shell.settings, r.render, kVolumeStep); break;
    case KeyAction::NextMusic: StopMusic(r.shell.music); break;
    case KeyAction::Rotate:
      s.rotation = SetRotation(r.render.sources, s.rotation + 1);
      AskForFrame(r.render.clocks);
      break;
    case KeyAction::Favourites: ToggleFavourites(r); break;
    case KeyAction::Search:
      if (!InfoPanelOpen(r.catalogue.history)) OpenSearch(r.catalogue, r.render);
      break;
  }
}

}  // namespace

void HandleKey(const ShellRecords& r, int code) {
  const KeySettings& keys = r.shell.settings.keys;
  Act(r, ActionForKey(code, keys, false), ActionForKey(code, keys, InfoPanelOpen(r.catalogue.history)), code);
}

void HandlePadAction(const ShellRecords& r, KeyAction action) {
  const bool quitAssigned = r.shell.settings.keys.quit > 0 || !r.shell.settings.pads.quit.empty();
  Act(r, action, InfoPanelOpen(r.catalogue.history) ? PadActionInInfoPanel(action, quitAssigned) : action, 0);
}

}  // namespace shell
