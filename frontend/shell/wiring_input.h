// Where the list navigation takes the settings, and where the main window's events are
// sorted to their handlers.
#pragma once

namespace platform {
struct WindowEvent;
}

namespace shell {

namespace wire {

void SelectLastGame();  // select the entry named by LastGame
// Every event of the main window other than the close request and the display resets
// (keys, shown, hidden, ...).
void HandleWindowEvent(const platform::WindowEvent& event);

}  // namespace wire

}  // namespace shell
