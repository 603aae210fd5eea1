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
void AppendHistory(catalogue::HistoryPanel& history, const Settings& s, std::string_view romName) {
  // An emulator named without a directory is the one PATH finds: its history is beside it.
  const std::string directory = s.emuDirectory.empty()
                                    ? std::string(platform::DirectoryPart(platform::FindProgram(s.emuProgram)))
                                    : s.emuDirectory;
  LoadHistory(history, directory, s.largFen, romName);
}

}  // namespace

bool InfoPanelOpen(const catalogue::HistoryPanel& history) { return !history.text.empty(); }

int InfoPanelVisibleLines(int hautFen) { return (hautFen - kPanelMargin) / kLineHeight; }

void ToggleInfoPanel(Shell& shell, catalogue::CatalogueState& catalogue) {
  const Settings& s = shell.settings;
  if (InfoPanelOpen(catalogue.history)) {
    catalogue.history.text.clear();
  } else {
    if (const std::optional<GameEntry> entry = SelectedEntry(shell.listWindow, catalogue); entry && !entry->romName.empty()) {
      catalogue.history.text.clear();
      AppendHistory(catalogue.history, s, entry->romName);
      catalogue.history.firstLine = 0;
    }
    if (InfoPanelOpen(catalogue.history)) {
      KillScreensaverTimer(shell.screensaverTimer);
      return;
    }
  }
  ArmScreensaverTimer(shell.screensaverTimer, s.scrTimeOut);
}

bool ScrollInfoPanel(catalogue::HistoryPanel& history, const Settings& s, int direction) {
  int& first = history.firstLine;
  if (direction < 0) {
    if (first < 1) return false;
    --first;
    return true;
  }
  if (first >= history.lineCount - InfoPanelVisibleLines(s.hautFen)) return false;
  ++first;
  return true;
}

}  // namespace shell
