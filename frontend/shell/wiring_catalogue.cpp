#include "frontend/shell/wiring_catalogue.h"

#include "catalogue/catalogue_state.h"
#include "catalogue/favourites.h"
#include "catalogue/game_list.h"
#include "catalogue/statistics.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/shell_state.h"
#include "platform/clock.h"

namespace shell {

using catalogue::LoadGameList;
using catalogue::LoadMenuList;
using catalogue::MakeGameListSource;
using catalogue::MakeStatisticsFiles;
using catalogue::ReadGlobalTotals;
using catalogue::ReadListTotals;
using catalogue::SaveFavourites;
using catalogue::SelectedRomName;
using catalogue::StatisticsFiles;

StatisticsFiles MakeConfiguredStatisticsFiles(const Settings& settings, std::string_view baseDirectory) {
  return MakeStatisticsFiles(baseDirectory, settings.listStatsFile, settings.fichierDescription);
}

int LoadConfiguredGameList(const Settings& settings, std::string_view baseDirectory) {
  return LoadGameList(gCatalogue.games, MakeGameListSource(settings, baseDirectory));
}

namespace wire {

void OpenGlobalStatistics() {
  gCatalogue.statistics.files = MakeConfiguredStatisticsFiles(gShell.settings, gShell.baseDirectory);
  ReadGlobalTotals(gCatalogue.statistics, platform::GetTickCount());
}

void LoadAndSortGameList() { LoadMenuList(gCatalogue.games, gShell.settings, gShell.baseDirectory); }

void SaveFavouritesAndLastGame() {
  if (!gShell.listShown) return;
  SaveFavourites(gShell.baseDirectory, gShell.settings.currentConfig, gShell.settings.listeFavoris,
                 SelectedRomName(gCatalogue.games, SelectedPosition(gShell.listWindow, gCatalogue)));
}

void OpenListStatistics() {
  // The files of the configuration just read; the one left was saved before.
  gCatalogue.statistics.files = MakeConfiguredStatisticsFiles(gShell.settings, gShell.baseDirectory);
  ReadListTotals(gCatalogue.statistics, platform::GetTickCount());
}

}  // namespace wire

}  // namespace shell
