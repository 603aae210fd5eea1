// Start-up of the frontend, then the main loop and the shutdown.
#pragma once

#include <string>

// Runs the whole program with the directory of the program file as base; returns the
// exit code.
int RunFrontend();
// The same with a given base directory.
int RunFrontendIn(const std::string& baseDirectory);
