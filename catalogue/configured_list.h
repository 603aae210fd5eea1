// A configuration's game list as its menu shows it, from the configuration's settings: the
// frontend's catalogue and the configurator's preview load it the same way.
#pragma once

#include <string_view>

#include "catalogue/game_list.h"
#include "settings/settings.h"

namespace catalogue {

// The list file, filter file, statistics file and favourites flag of these settings.
GameListSource MakeGameListSource(const Settings& settings, std::string_view baseDirectory);

// Loads `list` for the configuration of these settings and sorts it as the menu shows it
// (a menu configuration keeps the order of its file). Returns the number of entries.
int LoadMenuList(GameList& list, const Settings& settings, std::string_view baseDirectory);

}  // namespace catalogue
