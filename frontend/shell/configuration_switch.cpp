#include "frontend/shell/configuration_switch.h"

#include <optional>
#include <string>

#include "catalogue/game_list.h"
#include "render/animation_clock.h"
#include "render/display.h"
#include "render/picture_loading.h"
#include "catalogue/list_window.h"
#include "frontend/shell/hook_environment.h"
#include "frontend/shell/hook_events.h"
#include "frontend/shell/load_configuration.h"
#include "frontend/shell/music.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/screensaver_timer.h"
#include "frontend/shell/slide_show.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "render/render_state.h"
#include "settings/settings_paths.h"
#include "settings/write_settings.h"

using render::FrameClocks;
using render::LoadSelectionMedia;
using render::ReleaseMedia;
using render::SetDrawLock;
namespace shell {

using catalogue::FindEntryByName;

namespace {

constexpr std::uint32_t kTransitionFrameMs = 20;
constexpr float kQuickZoomStep = 0.05f;

// LastEmu of Orvanel.ini before a switch, so that a switch that fails leaves it as it was.
std::optional<std::string> StoredLastEmu(const std::string& baseDirectory) {
  const auto file = platform::ProfileFile::Load(settings::MainSettingsPath(baseDirectory));
  const settings::SettingKey& key = settings::Key(settings::SettingId::LastEmu);
  if (!file || !file->Has(key.section, key.key)) return std::nullopt;
  return file->Get(key.section, key.key, "", key.size);
}

// The new configuration's template cannot be read: the configuration we came from is
// read again with its layout, so the screen is never left without one. Retrying the new
// one could not succeed, so the switch goes back; it leaves every file as it was (its
// list was never shown, so nothing of it is saved, and LastEmu gets its old value back).
void LoadLayoutOrGoBack(Shell& shell, catalogue::CatalogueState& catalogue, const std::string& previous,
                        const std::optional<std::string>& lastEmu) {
  const Settings& s = shell.settings;
  if (wire::LoadConfiguredLayout(s.templateDir)) return;
  platform::WriteLog("Template illisible : " + s.templateDir + " ; retour a la configuration " + previous, 1, 1);
  LoadConfiguration(shell, catalogue, previous);
  wire::LoadConfiguredLayout(s.templateDir);
  if (lastEmu && *lastEmu != StoredLastEmu(shell.baseDirectory).value_or(*lastEmu) &&
      !settings::WriteSetting(settings::MainSettingsPath(shell.baseDirectory), settings::SettingId::LastEmu, *lastEmu))
    platform::WriteLog("Ecriture de LastEmu impossible dans Orvanel.ini", 1, 1);
}

// The quick zoom-in of the new configuration: frames 20 ms apart, the level growing by
// 0.05 per 20 ms that passed.
void RunOpeningTransition(render::RenderState& render, const SlideShow& slideShow) {
  FrameClocks& c = render.clocks;
  while (c.fadeLevel < 1.0f) {
    const float before = c.fadeLevel;
    const std::uint32_t t0 = platform::GetTickCount();
    DrawMenuFrame(render, slideShow, 0);
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

int SwitchConfiguration(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render,
                        std::string_view name) {
  Settings& s = shell.settings;
  FrameClocks& c = render.clocks;
  KillScreensaverTimer(shell.screensaverTimer);
  const std::string previous = s.currentConfig;
  const std::optional<std::string> lastEmu = StoredLastEmu(shell.baseDirectory);

  c.fadeLevel = 1.0f;
  DrawMenuFrame(render, shell.slideShow, 1);
  SetDrawLock(render, 1);
  if (!LoadConfiguration(shell, catalogue, name)) {
    SetDrawLock(render, 0);
    ArmScreensaverTimer(shell.screensaverTimer, s.scrTimeOut);
    return 0;
  }
  ReleaseMedia(render);
  LoadLayoutOrGoBack(shell, catalogue, previous, lastEmu);
  wire::LoadAndSortGameList();
  shell.listWindow = {};
  SelectPosition(shell.listWindow, catalogue, render, FindEntryByName(catalogue.games, s.lastGame));
  shell.listShown = true;
  LoadSelectionMedia(render);
  if (s.transitions) {
    c.fadeLevel = 0.0f;
    c.fadeStep = kQuickZoomStep;
    c.fadeDelta = kQuickZoomStep;
  }
  SetDrawLock(render, 0);
  RunOpeningTransition(render, shell.slideShow);
  ArmScreensaverTimer(shell.screensaverTimer, s.scrTimeOut);
  DrawMenuFrame(render, shell.slideShow, 2);
  // One folder spelt differently by two configurations keeps its music playing.
  if (!s.musicFond.empty() && !platform::SamePath(s.musicFond, shell.music.pathPlaying))
    StartMusic(shell.music, catalogue, s.musicFond, s.musicSousRep, s.musicVolume);
  FireHooks(shell, catalogue, kHookConfigChanged);
  return 1;
}

}  // namespace shell
