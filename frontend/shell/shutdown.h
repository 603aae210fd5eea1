// The orderly end of the frontend and its exit modes.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue_state.h"

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

// Shutdown steps S1-S8; returns the exit code.
int Shutdown(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render);

// The program started at exit: mode 1 powers the computer off, mode 2 runs AppSortie
// (split by the Windows rules, no shell); nothing for other modes or an empty AppSortie.
std::vector<std::string> ExitModeCommand(int modeSortie, const std::string& appSortie);

}  // namespace shell
