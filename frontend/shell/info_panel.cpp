#include "frontend/shell/info_panel.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/history.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/settings.h"
#include "frontend/shell/wiring_input.h"

namespace {

constexpr int kPanelMargin = 100;
constexpr int kLineHeight = 17;

}  // namespace

bool InfoPanelOpen() { return !gHistory.text.empty(); }

int InfoPanelVisibleLines(int hautFen) { return (hautFen - kPanelMargin) / kLineHeight; }

void ToggleInfoPanel() {
  const Settings& s = gSettings;
  if (InfoPanelOpen()) {
    gHistory.text.clear();
  } else {
    if (const GameEntry* entry = SelectedEntry(); entry != nullptr && !entry->romName.empty()) {
      gHistory.text.clear();
      wire::LoadHistory(entry->romName);
      gHistory.firstLine = 0;
    }
    if (InfoPanelOpen()) {
      KillScreensaverTimer();
      return;
    }
  }
  ArmScreensaverTimer(s.scrTimeOut);
}

bool ScrollInfoPanel(int direction) {
  int& first = gHistory.firstLine;
  if (direction < 0) {
    if (first < 1) return false;
    --first;
    return true;
  }
  if (first >= gHistory.lineCount - InfoPanelVisibleLines(gSettings.hautFen)) return false;
  ++first;
  return true;
}
