// Switching to another configuration (the switch half of LaunchEntry): settings, layout
// and list of configuration `name` behind the opening transition. 1 on success; 0 when
// it has no readable config.ini, and the frontend stays where it was.
#pragma once

#include <string_view>

#include "catalogue/catalogue_state.h"

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

int SwitchConfiguration(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render,
                        std::string_view name);

}  // namespace shell
