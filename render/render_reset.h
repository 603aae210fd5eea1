// Putting the drawing back to its start-up state.
#pragma once

namespace render {

struct RenderState;

// Releases the display's resources and puts every record back to its start-up value.
void ResetRenderState(RenderState& rs);

}  // namespace render
