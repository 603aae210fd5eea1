// The size of the screen for programs that open no window (the configurator's command-line
// forms): only asked when a display server is named in the environment, so a console
// without one stays quiet.
#pragma once

namespace platform {

// The primary display's desktop size; false (and 0 x 0) when there is no display to ask.
bool PrimaryDisplaySize(int& width, int& height);

}  // namespace platform
