#include "frontend/shell/wiring_catalogue.h"

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
  return LoadGameList(gGameList, MakeGameListSource(settings, baseDirectory));
}

namespace wire {

void OpenGlobalStatistics() {
  gStatistics.files = MakeStatisticsFiles(gSettings, BaseDirectory());
  ReadGlobalTotals(platform::GetTickCount());
}

void LoadAndSortGameList() {
  LoadGameList(gSettings, BaseDirectory());
  // A menu configuration keeps the order of its file, at start-up as after a switch.
  if (gGameList.entryCount > 0 && !gSettings.typeMenu) SortGameList(0, gGameList.entryCount - 1);
}

void SaveFavouritesAndLastGame() {
  if (!gShell.listShown) return;
  SaveFavourites(BaseDirectory(), gSettings.currentConfig, gSettings.listeFavoris, SelectedRomName(CurrentEntry()));
}

void OpenListStatistics() {
  // The files of the configuration just read; the one left was saved before.
  gStatistics.files = MakeStatisticsFiles(gSettings, BaseDirectory());
  ReadListTotals(platform::GetTickCount());
}

}  // namespace wire
