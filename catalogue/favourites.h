// What a configuration remembers across sessions in its config.ini: whether its list is
// shown as the favourites list, and the game selected when it was left.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/game_list.h"

namespace catalogue {

// Writes ListeFavoris ("YES"/"NO") and LastGame into base/config/<configuration>/config.ini,
// section Config, keeping everything else of the file (an empty lastGame, from an empty
// list, leaves the stored LastGame as it is). 0 without writing when no
// configuration is loaded; 1 otherwise (a failed write is logged).
int SaveFavourites(std::string_view baseDirectory, std::string_view configuration, bool favourites,
                   std::string_view lastGame);

// The ROM name of the entry at the selected display position; empty when the list is empty.
std::string SelectedRomName(const GameList& games, int currentEntry);

}  // namespace catalogue
