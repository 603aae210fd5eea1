// Where the keys and the list navigation join the start-up and the main loop.
#pragma once

namespace platform {
struct WindowEvent;
}

namespace wire {

void SelectLastGame();  // select the entry named by LastGame
// Every event of the main window other than the close request and the display resets
// (keys, shown, hidden, ...).
void HandleWindowEvent(const platform::WindowEvent& event);

}  // namespace wire
