#include "frontend/shell/wiring_catalogue.h"

#include "frontend/catalogue/catalogue_state.h"
#include "frontend/catalogue/favourites.h"
#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/statistics.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "platform/clock.h"
#include "platform/paths.h"

GameListSource MakeGameListSource(const Settings& settings, std::string_view baseDirectory) {
  GameListSource source;
  source.listFile = settings.fichierDescription;
  source.filterFile = platform::JoinPath(
      platform::JoinPath(platform::JoinPath(baseDirectory, "config"), settings.currentConfig), "Liste.ini");
  source.statisticsFile = settings.listStatsFile;
  source.favourites = settings.listeFavoris;
  return source;
}

StatisticsFiles MakeStatisticsFiles(const Settings& settings, std::string_view baseDirectory) {
  return MakeStatisticsFiles(baseDirectory, settings.listStatsFile, settings.fichierDescription);
}

int LoadGameList(const Settings& settings, std::string_view baseDirectory) {
  return LoadGameList(gCatalogue.games, MakeGameListSource(settings, baseDirectory));
}

namespace wire {

void OpenGlobalStatistics() {
  gCatalogue.statistics.files = MakeStatisticsFiles(gShell.settings, BaseDirectory());
  ReadGlobalTotals(platform::GetTickCount());
}

void LoadAndSortGameList() {
  LoadGameList(gShell.settings, BaseDirectory());
  // A menu configuration keeps the order of its file, at start-up as after a switch.
  if (gCatalogue.games.entryCount > 0 && !gShell.settings.typeMenu) SortGameList(0, gCatalogue.games.entryCount - 1);
}

void SaveFavouritesAndLastGame() {
  if (!gShell.listShown) return;
  SaveFavourites(BaseDirectory(), gShell.settings.currentConfig, gShell.settings.listeFavoris, SelectedRomName(CurrentEntry()));
}

void OpenListStatistics() {
  // The files of the configuration just read; the one left was saved before.
  gCatalogue.statistics.files = MakeStatisticsFiles(gShell.settings, BaseDirectory());
  ReadListTotals(platform::GetTickCount());
}

}  // namespace wire
