// The configuration's games the preview can show instead of its sample: the list its menu
// shows, and the folders where the menu finds each game's pictures.
#pragma once

#include <string>

#include "catalogue/game_list.h"
#include "settings/settings.h"

namespace cfg {

struct PreviewGames {
  Settings settings;  // the configuration's config.ini as the frontend reads it
  catalogue::GameList list;      // in the menu's order
};

// The configuration whose config.ini is `configFile` (the configuration is the folder
// holding it), with paths made absolute against `base`. A file that cannot be read gives
// an empty list.
PreviewGames LoadPreviewGames(const std::string& base, const std::string& configFile);

}  // namespace cfg
