// The program's drawing records: the shell's one accessor. Only the start-up, the main
// loop and the wiring files name it; the rest of the shell reaches it through
// wire::Render(). It includes nothing of the shell, so any shell file may use it.
#pragma once

#include "render/render_state.h"

extern render::RenderState gRender;

namespace shell::wire {

render::RenderState& Render();

}  // namespace shell::wire
