// orvanel-config --new-config NAME [--emulator PROG] [--rom-dir DIR] [--params TEXT] [--base DIR]:
// a new configuration without a window. 0 when made; 1 (and nothing written) otherwise.
#pragma once

#include <string>
#include <vector>

namespace cfg {

int RunNewConfigCommand(const std::vector<std::string>& args);

}  // namespace cfg
