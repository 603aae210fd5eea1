#include "frontend/catalogue/favourites.h"

#include "frontend/catalogue/game_list.h"
#include "platform/debug_log.h"
#include "settings/settings_paths.h"
#include "settings/write_settings.h"

int SaveFavourites(std::string_view baseDirectory, std::string_view configuration, bool favourites,
                   std::string_view lastGame) {
  if (configuration.empty()) return 0;
  const std::string path = settings::ConfigurationPath(baseDirectory, configuration);
  const settings::SettingWrite values[] = {{settings::SettingId::ListeFavoris, settings::FlagText(favourites)},
                                           {settings::SettingId::LastGame, std::string(lastGame)}};
  if (!settings::WriteSettings(path, values))
    platform::WriteLog("Ecriture impossible : " + path, 1, 1);
  return 1;
}

std::string SelectedRomName(int currentEntry) {
  if (currentEntry < 0 || currentEntry >= gGameList.entryCount) return {};
  return gGameList.AtPosition(currentEntry).romName;
}
