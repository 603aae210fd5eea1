// What follows every move of the selection, whoever moved it (the panel keys, the search).
#pragma once

#include "frontend/shell/input_state.h"
#include "frontend/shell/sound_slots.h"

namespace render {
struct RenderState;
}

namespace shell {

// The new selection's pictures, a frame at once, and the Navigate sound on the first move
// of a press.
void RefreshAfterMove(render::RenderState& render, InputState& input, const SoundSlots& sounds);

}  // namespace shell
