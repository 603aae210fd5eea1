// Where the game catalogue joins the start-up, the settings loading, the main loop and
// the shutdown. Each function is one call into the catalogue.
#pragma once

#include <cstdint>
#include <string_view>

#include "frontend/catalogue/game_list.h"
#include "frontend/catalogue/statistics.h"
#include "settings/settings.h"

// What the catalogue is given from the settings of the current configuration.
GameListSource MakeGameListSource(const Settings& settings, std::string_view baseDirectory);
StatisticsFiles MakeStatisticsFiles(const Settings& settings, std::string_view baseDirectory);
// Loads gGameList for the configuration of these settings.
int LoadGameList(const Settings& settings, std::string_view baseDirectory);

namespace wire {

void ReadGlobalTotals();                    // start-up: totals of Orvanel.sta
void LoadAndSortGameList();                 // main window creation
void SaveListTotalTime(std::uint32_t now);  // leaving a configuration
void SaveFavouritesAndLastGame();           // leaving a configuration, shutdown
void ReadListTotals();                      // after a configuration was read
void SaveTotalTimes(std::uint32_t now);     // every 30 s and at shutdown: global and list
void SeedRandom(std::uint32_t seed);        // start-up, with the tick

}  // namespace wire
