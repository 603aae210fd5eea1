#include "catalogue/configured_list.h"

#include "platform/paths.h"

namespace catalogue {

GameListSource MakeGameListSource(const Settings& settings, std::string_view baseDirectory) {
  GameListSource source;
  source.listFile = settings.fichierDescription;
  source.filterFile = platform::JoinPath(
      platform::JoinPath(platform::JoinPath(baseDirectory, "config"), settings.currentConfig), "Liste.ini");
  source.statisticsFile = settings.listStatsFile;
  source.favourites = settings.listeFavoris;
  return source;
}

int LoadMenuList(GameList& list, const Settings& settings, std::string_view baseDirectory) {
  const int count = LoadGameList(list, MakeGameListSource(settings, baseDirectory));
  if (count > 0 && !settings.typeMenu) SortGameList(list, 0, count - 1);
  return count;
}

}  // namespace catalogue
