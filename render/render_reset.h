// Putting the drawing back to its start-up state.
#pragma once

namespace render {

// Releases the display's resources and puts every record back to its start-up value.
void ResetRenderState();

}  // namespace render
