// Where the game catalogue takes the settings: the files and flags of the current
// configuration are handed to it as arguments.
#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/configured_list.h"
#include "catalogue/game_list.h"
#include "catalogue/statistics.h"
#include "settings/settings.h"

namespace shell {

// What the catalogue is given from the settings of the current configuration.
catalogue::StatisticsFiles MakeConfiguredStatisticsFiles(const Settings& settings, std::string_view baseDirectory);
// Loads gCatalogue.games for the configuration of these settings.
int LoadConfiguredGameList(const Settings& settings, std::string_view baseDirectory);

namespace wire {

void OpenGlobalStatistics();            // start-up: totals of Orvanel.sta
void LoadAndSortGameList();         // main window creation, configuration switch
void SaveFavouritesAndLastGame();   // leaving a configuration, shutdown
void OpenListStatistics();              // after a configuration was read

}  // namespace wire

}  // namespace shell
