#include "catalogue/favourites.h"

#include "catalogue/game_list.h"
#include "catalogue/game_list.h"
#include "platform/debug_log.h"
#include "settings/settings_paths.h"
#include "settings/write_settings.h"

namespace catalogue {

int SaveFavourites(std::string_view baseDirectory, std::string_view configuration, bool favourites,
                   std::string_view lastGame) {
  if (configuration.empty()) return 0;
  const std::string path = settings::ConfigurationPath(baseDirectory, configuration);
  const settings::SettingWrite values[] = {{settings::SettingId::ListeFavoris, settings::FlagText(favourites)},
                                           {settings::SettingId::LastGame, std::string(lastGame)}};
  // An empty list has no selection: the game last played in it stays remembered.
  const std::span<const settings::SettingWrite> written(values, lastGame.empty() ? 1 : 2);
  if (!settings::WriteSettings(path, written))
    platform::WriteLog("Ecriture impossible : " + path, 1, 1);
  return 1;
}

std::string SelectedRomName(const GameList& games, int currentEntry) {
  if (currentEntry < 0 || currentEntry >= games.entryCount) return {};
  return std::string(games.AtPosition(currentEntry).romName);
}

}  // namespace catalogue
