// The SDL window behind the main window, for the other platform modules (the drawing
// device). Never included above platform/.
#pragma once

struct SDL_Window;

namespace platform {

SDL_Window* MainSdlWindow();  // null when there is no main window

}  // namespace platform
