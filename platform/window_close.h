// Asking a game to close its windows, as a window manager's close button does: an
// emulator then ends as when its player closes it, and saves what it keeps (MAME its cfg
// and NVRAM), where signals may be ignored for seconds.
#pragma once

namespace platform {

// Sends the close request (WM_DELETE_WINDOW of WM_PROTOCOLS) to every X window that takes
// it and whose _NET_WM_PID is a process of process group `group`, looking through the
// window tree from the root (a reparenting window manager keeps the game's window inside
// its frame). The number of windows asked: 0 where there is no X display (the console,
// SDL's offscreen driver without DISPLAY) or no such window.
int AskGroupWindowsToClose(int group);

}  // namespace platform
