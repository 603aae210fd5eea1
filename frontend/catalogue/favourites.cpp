#include "frontend/catalogue/favourites.h"

#include "frontend/catalogue/game_list.h"
#include "frontend/shell/settings.h"
#include "platform/debug_log.h"
#include "platform/paths.h"
#include "platform/profile.h"

int SaveFavourites(const Settings& settings, std::string_view baseDirectory, std::string_view lastGame) {
  if (settings.currentConfig.empty()) return 0;
  const std::string path = platform::ResolvePath(platform::JoinPath(
      platform::JoinPath(platform::JoinPath(baseDirectory, "config"), settings.currentConfig), "config.ini"));
  const platform::ProfileValue values[] = {{"ListeFavoris", settings.listeFavoris ? "YES" : "NO"},
                                           {"LastGame", std::string(lastGame)}};
  if (!platform::WriteProfileStrings(path, "Config", values))
    platform::WriteLog("Ecriture impossible : " + path, 1, 1);
  return 1;
}

std::string SelectedRomName(int currentEntry) {
  if (currentEntry < 0 || currentEntry >= gGameList.entryCount) return {};
  return gGameList.AtPosition(currentEntry).romName;
}
