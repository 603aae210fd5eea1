#include "frontend/shell/load_configuration.h"

#include "catalogue/statistics.h"
#include "frontend/shell/pad_devices.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_catalogue.h"
#include "frontend/shell/wiring_render.h"
#include "frontend/shell/wiring_sound.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/safe_name.h"
#include "settings/write_settings.h"

#include <optional>

namespace shell {

using catalogue::SaveListTotalTime;

namespace {

// A configuration name comes from Orvanel.ini or a menu list: one that could reach outside
// config/ ("../x") is refused like a missing configuration.
std::optional<platform::ProfileFile> LoadConfigurationFile(const std::string& base, const std::string& name) {
  if (const std::string_view reason = settings::UnsafeNameReason(name); !reason.empty()) {
    if (!name.empty()) platform::WriteLog("Configuration refus\xE9" "e (" + platform::Utf8ToCp1252(reason) + ") : " + name, 1, 1);
    return std::nullopt;
  }
  return platform::ProfileFile::Load(settings::ConfigurationPath(base, name));
}

}  // namespace

int LoadConfiguration(Shell& shell, catalogue::CatalogueState& catalogue, std::string_view name) {
  Settings& s = shell.settings;
  const std::string& base = shell.baseDirectory;
  if (shell.configLoadTick != 0 && shell.listShown) SaveListTotalTime(catalogue.statistics, platform::GetTickCount());
  wire::SaveFavouritesAndLastGame();
  const bool listWasShown = shell.listShown;
  shell.listShown = false;  // until the list of the configuration read now is shown
  const std::string previousName = s.currentConfig;

  if (name.empty()) {
    // A missing Orvanel.ini is not an error by itself: every key takes its default.
    const auto main = platform::ProfileFile::Load(settings::MainSettingsPath(base));
    settings::ReadGeneralSettings(main.value_or(platform::ProfileFile{}), s);
    LoadPadBindings(shell.pads, s);
    s.currentConfig = s.lastEmu;
  } else {
    s.currentConfig = platform::CutToField(name, 260);
  }

  auto file = LoadConfigurationFile(base, s.currentConfig);
  if (!file) {
    s.currentConfig = s.emuBase;
    file = LoadConfigurationFile(base, s.currentConfig);
  }
  if (!file) {
    s.currentConfig = previousName;
    shell.listShown = listWasShown;  // nothing changed: the list shown is still that one
    return 0;
  }

  settings::ReadConfigSettings(*file, base, s);
  wire::StoreLayoutMediaDirectories(s);

  if (!s.typeMenu) {
    if (!settings::WriteSetting(settings::MainSettingsPath(base), settings::SettingId::LastEmu, s.currentConfig))
      platform::WriteLog("Ecriture de LastEmu impossible dans Orvanel.ini", 1, 1);
  }

  wire::LoadConfiguredSounds(s.sons);
  s.listStatsFile = settings::ListStatisticsFileName(s.fichierDescription);
  wire::OpenListStatistics();
  shell.configLoadTick = platform::GetTickCount();
  return 1;
}

}  // namespace shell
