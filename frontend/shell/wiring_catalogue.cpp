#include "frontend/shell/wiring_catalogue.h"

#include "frontend/catalogue/favourites.h"
#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/random.h"
#include "frontend/catalogue/statistics.h"
#include "frontend/shell/navigation.h"
#include "frontend/shell/settings.h"
#include "frontend/shell/shell_state.h"
#include "platform/clock.h"

namespace wire {

void ReadGlobalTotals() {
  gStatistics.files = MakeStatisticsFiles(gSettings, BaseDirectory());
  ::ReadGlobalTotals(platform::GetTickCount());
}

void LoadAndSortGameList() {
  LoadGameList(gSettings, BaseDirectory());
  if (gGameList.entryCount > 0) SortGameList(0, gGameList.entryCount - 1);
}

void SaveListTotalTime(std::uint32_t now) { ::SaveListTotalTime(now); }

void SaveFavouritesAndLastGame() {
  SaveFavourites(gSettings, BaseDirectory(), SelectedRomName(CurrentEntry()));
}

void ReadListTotals() {
  // The files of the configuration just read; the one left was saved before.
  gStatistics.files = MakeStatisticsFiles(gSettings, BaseDirectory());
  ::ReadListTotals(platform::GetTickCount());
}

void SaveTotalTimes(std::uint32_t now) { ::SaveTotalTimes(now); }

void SeedRandom(std::uint32_t seed) { ::SeedRandom(seed); }

}  // namespace wire
