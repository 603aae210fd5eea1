// What the release of any key or joystick control does: the volume ramp stops, the scroll
// text follows a selection that moved, and the next move plays the Navigate sound again.
// Apart from the key handling, so that the joysticks let go around a game reach it without
// depending on what a key launches.
#pragma once

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

void AfterKeyRelease(Shell& shell, render::RenderState& render);

}  // namespace shell
