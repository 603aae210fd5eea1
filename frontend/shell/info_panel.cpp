#include "frontend/shell/info_panel.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/game_list.h"
#include "catalogue/history.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/shell_state.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace shell {

using catalogue::GameEntry;
using catalogue::LoadHistory;

namespace {

constexpr int kPanelMargin = 100;
constexpr int kLineHeight = 17;

// Appends the game's history from the emulator's directory, wrapped for the window width.
void AppendHistory(const Settings& s, const std::string& romName) {
  // An emulator named without a directory is the one PATH finds: its history is beside it.
  const std::string directory = s.emuDirectory.empty()
                                    ? std::string(platform::DirectoryPart(platform::FindProgram(s.emuProgram)))
                                    : s.emuDirectory;
  LoadHistory(gCatalogue.history, directory, s.largFen, romName);
}

}  // namespace

bool InfoPanelOpen() { return !gCatalogue.history.text.empty(); }

int InfoPanelVisibleLines(int hautFen) { return (hautFen - kPanelMargin) / kLineHeight; }

void ToggleInfoPanel() {
  const Settings& s = gShell.settings;
  if (InfoPanelOpen()) {
    gCatalogue.history.text.clear();
  } else {
    if (const GameEntry* entry = SelectedEntry(gShell.listWindow, gCatalogue); entry != nullptr && !entry->romName.empty()) {
      gCatalogue.history.text.clear();
      AppendHistory(s, entry->romName);
      gCatalogue.history.firstLine = 0;
    }
    if (InfoPanelOpen()) {
      KillScreensaverTimer(gShell.screensaverTimer);
      return;
    }
  }
  ArmScreensaverTimer(gShell.screensaverTimer, s.scrTimeOut);
}

bool ScrollInfoPanel(int direction) {
  int& first = gCatalogue.history.firstLine;
  if (direction < 0) {
    if (first < 1) return false;
    --first;
    return true;
  }
  if (first >= gCatalogue.history.lineCount - InfoPanelVisibleLines(gShell.settings.hautFen)) return false;
  ++first;
  return true;
}

}  // namespace shell
