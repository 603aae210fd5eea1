// The main window's key events, as the window procedure handles them.
#pragma once

#include "catalogue/catalogue_state.h"
#include "frontend/shell/input_state.h"
#include "frontend/shell/key_actions.h"

namespace platform {
struct WindowEvent;
}

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

// A key went down (auto-repeats arrive as further downs): the screensaver count starts
// again (not while the information panel is open), a running slide show ends, otherwise
// the key acts.
void OnKeyDown(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event);

// A key went up: the volume ramp stops, the scroll text follows a selection that moved,
// and the next move plays the Navigate sound again. Alt alone or F10 act as key 999.
void OnKeyUp(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event);

// Keys now go elsewhere (Alt+Tab, a game's window): an Alt press begun here never
// completes the system menu key, and keys swallowed with it are forgotten.
void OnFocusLost(InputState& input);

// A joystick control pressed (or repeating while held) that stands for `action` (None:
// bound to nothing): the same as a key, the action filtered by the information panel.
void OnPadPress(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, KeyAction action);
// A joystick control released: the same as a key's release.
void OnPadRelease(Shell& shell, render::RenderState& render);

}  // namespace shell
