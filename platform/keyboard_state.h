// Which keys are down now, read from the keyboard itself rather than from the window's
// events: a key held while another program had the keyboard sent its press there.
#pragma once

#include <vector>

namespace platform {

// The KeyCodes (platform/keycodes.h) of the keys held down now: from the X server's keymap
// under X11, from the keyboards' devices on the console; empty where neither can be read.
std::vector<int> KeysDownNow();

}  // namespace platform
