#pragma once
#include <string>
#include <vector>

namespace cfg {

// OrvanelConfig --import mamewah|atomicfe SOURCE DEST.cfg: converts a foreign layout without a
// window. `args` are the arguments after the program name. Returns the exit code.
int RunImportCommand(const std::vector<std::string>& args);

}  // namespace cfg
