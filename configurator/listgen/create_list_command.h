#pragma once
#include <string>
#include <vector>

namespace cfg {

// OrvanelConfig --create-list ...: builds a game list from the emulator's listing without a
// window. `args` are the arguments after the program name. Returns the exit code.
int RunCreateListCommand(const std::vector<std::string>& args);

}  // namespace cfg
