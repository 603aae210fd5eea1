// Start-up of the frontend, then the main loop and the shutdown.
#pragma once

#include <string>

namespace shell {

// Runs the whole program on a base directory and returns the exit code; installationNote,
// when given, is logged after the start line (which installation, and how it was chosen).
int RunFrontendIn(const std::string& baseDirectory, const std::string& installationNote = {});

}  // namespace shell
