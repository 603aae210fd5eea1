#include "frontend/shell/configuration_switch.h"

#include <string>

#include "frontend/catalogue/game_list.h"
#include "frontend/render/animation_clock.h"
#include "frontend/render/display.h"
#include "frontend/render/picture_loading.h"
#include "frontend/shell/list_window.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/music.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/settings.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/text.h"

namespace {

constexpr std::uint32_t kTransitionFrameMs = 20;
constexpr float kQuickZoomStep = 0.05f;

// The new configuration's template cannot be read: the configuration we came from is
// read again with its layout, so the screen is never left without one.
void LoadLayoutOrGoBack(const std::string& previous) {
  Settings& s = gSettings;
  if (wire::LoadLayout(s.templateDir)) return;
  platform::WriteLog("Template illisible : " + s.templateDir, 1, 1);
  LoadConfiguration(previous);
  wire::LoadLayout(s.templateDir);
}

void LoadList() {
  const int count = LoadGameList(gSettings, BaseDirectory());
  // Menus keep the order of their file.
  if (count > 0 && !gSettings.typeMenu) SortGameList(0, count - 1);
}

// The quick zoom-in of the new configuration: frames 20 ms apart, the level growing by
// 0.05 per 20 ms that passed.
void RunOpeningTransition() {
  FrameClocks& c = gFrameClocks;
  while (c.fadeLevel < 1.0f) {
    const float before = c.fadeLevel;
    const std::uint32_t t0 = platform::GetTickCount();
    wire::DrawFrame(0);
    if (c.fadeLevel == before) {
      // Nothing was drawn (no layout): the level would never move.
      c.fadeLevel = 1.0f;
      c.fadeDelta = 0.0f;
      break;
    }
    std::uint32_t elapsed = platform::GetTickCount() - t0;
    if (elapsed < kTransitionFrameMs) {
      platform::Sleep(kTransitionFrameMs - elapsed);
      elapsed = platform::GetTickCount() - t0;
    }
    c.fadeDelta = c.fadeStep * static_cast<float>(elapsed / kTransitionFrameMs);
  }
}

}  // namespace

int SwitchConfiguration(std::string_view name) {
  Settings& s = gSettings;
  FrameClocks& c = gFrameClocks;
  KillScreensaverTimer();
  const std::string previous = s.currentConfig;

  c.fadeLevel = 1.0f;
  wire::DrawFrame(1);
  SetDrawLock(1);
  if (!LoadConfiguration(name)) {
    SetDrawLock(0);
    ArmScreensaverTimer(s.scrTimeOut);
    return 0;
  }
  ReleaseMedia();
  LoadLayoutOrGoBack(previous);
  LoadList();
  gListWindow = {};
  SelectEntry(FindEntryByName(s.lastGame));
  LoadSelectionMedia();
  if (s.transitions) {
    c.fadeLevel = 0.0f;
    c.fadeStep = kQuickZoomStep;
    c.fadeDelta = kQuickZoomStep;
  }
  SetDrawLock(0);
  RunOpeningTransition();
  ArmScreensaverTimer(s.scrTimeOut);
  wire::DrawFrame(2);
  if (!s.musicFond.empty() && !platform::EqualsNoCase(s.musicFond, gMusic.pathPlaying))
    StartMusic(s.musicFond, s.musicSousRep, s.musicVolume);
  return 1;
}
