#include "frontend/shell/info_panel.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/shell/input_links.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/settings.h"

namespace {

constexpr int kPanelMargin = 100;
constexpr int kLineHeight = 17;

}  // namespace

bool InfoPanelOpen() { return input_links::HistoryShown(); }

int InfoPanelVisibleLines(int hautFen) { return (hautFen - kPanelMargin) / kLineHeight; }

void ToggleInfoPanel() {
  const Settings& s = gSettings;
  if (InfoPanelOpen()) {
    input_links::ClearHistory();
  } else {
    if (const GameEntry* entry = SelectedEntry(); entry != nullptr && !entry->romName.empty()) {
      input_links::ClearHistory();
      input_links::LoadHistory(entry->romName);
      input_links::FirstHistoryLine() = 0;
    }
    if (InfoPanelOpen()) {
      KillScreensaverTimer();
      return;
    }
  }
  ArmScreensaverTimer(s.scrTimeOut);
}

bool ScrollInfoPanel(int direction) {
  int& first = input_links::FirstHistoryLine();
  if (direction < 0) {
    if (first < 1) return false;
    --first;
    return true;
  }
  if (first >= input_links::HistoryLineCount() - InfoPanelVisibleLines(gSettings.hautFen)) return false;
  ++first;
  return true;
}
