// Giving the screen to another program (the emulator) and taking it back.
#pragma once

namespace platform {

// Full screen: leaves full screen, so the emulator gets the display. Where the window system
// allows it the main window stays as a black desktop-sized window below every other one
// (the desktop never shows around the game); elsewhere it is hidden. False when the window
// could not leave full screen.
bool HandOverFullScreen();
// Back from HandOverFullScreen: shown, raised and full screen again.
void TakeBackFullScreen();

// Drops every input event waiting in the queue (keys the player pressed for the game).
void DiscardPendingInput();

}  // namespace platform
