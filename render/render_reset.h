// Putting the drawing back to its start-up state.
#pragma once

// Releases the display's resources and puts every record back to its start-up value.
void ResetRenderState();
