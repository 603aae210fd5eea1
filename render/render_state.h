// The drawing's program-wide records have one owner: the layout, the texture and font
// tables, the display, the frame values, the animation clocks, the screen, the scroll
// text and the render sources. ResetRenderState releases the display's resources and
// puts every one of them back to its start-up value.
#pragma once

void ResetRenderState();
