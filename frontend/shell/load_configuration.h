// Loading the settings of a configuration into the shell record's settings, with what
// follows a load.
#pragma once

#include <string_view>

#include "frontend/shell/shell_state.h"
#include "settings/read_settings.h"
#include "settings/settings_paths.h"

namespace shell {

// Empty name: start-up, reads Orvanel.ini and loads the configuration named by LastEmu
// (or EmuBase). Otherwise switches to that configuration. 1 on success, 0 when no
// configuration file could be opened (the settings of config.ini are then unchanged).
int LoadConfiguration(Shell& shell, catalogue::CatalogueState& catalogue, std::string_view name);

}  // namespace shell
