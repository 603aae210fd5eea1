// Empty until the catalogue is built: nothing here pretends to save or read anything.
#include "frontend/shell/wiring_catalogue.h"

namespace wire {

void ReadGlobalTotals() {}
void LoadAndSortGameList() {}
void SaveListTotalTime(std::uint32_t) {}
void SaveFavouritesAndLastGame() {}
void ReadListTotals() {}
void SaveTotalTimes(std::uint32_t) {}
void SeedRandom(std::uint32_t) {}

}  // namespace wire
