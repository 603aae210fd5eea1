// Where the keys, the list navigation and the information panel take the settings, and
// where the main window's events are sorted to their handlers.
#pragma once

#include <string>

namespace platform {
struct WindowEvent;
}

namespace wire {

void SelectLastGame();  // select the entry named by LastGame
// Every event of the main window other than the close request and the display resets
// (keys, shown, hidden, ...).
void HandleWindowEvent(const platform::WindowEvent& event);
// Appends the game's history from the emulator's directory to the information panel,
// wrapped for the window width.
void LoadHistory(const std::string& romName);

}  // namespace wire
