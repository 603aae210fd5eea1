// orvanel-config --new-config NAME [--emulator PROG] [--rom-dir DIR] [--params TEXT] [--base DIR]:
// a new configuration without a window. 0 when made; 1 (and nothing written) otherwise. An
// emulator given without --params is asked what it lists as (MAME gets its arguments).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cfg {

// The arguments to propose for an emulator given without --params ("" for none).
using ProposeEmuParams = std::function<std::string(const std::string& emulator)>;

int RunNewConfigCommand(const std::vector<std::string>& args, const ProposeEmuParams& propose = {});

}  // namespace cfg
