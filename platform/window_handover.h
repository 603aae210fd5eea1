// Giving the screen to another program (the emulator) and taking it back.
#pragma once

namespace platform {

// Full screen: leaves full screen and hides the main window, so the emulator gets the
// display. On X11 a plain black window below every other one covers the desktop until
// TakeBackFullScreen. False when the window could not leave full screen (it is hidden anyway).
bool HandOverFullScreen();
// Back from HandOverFullScreen: shown, raised and full screen again; the black window goes.
void TakeBackFullScreen();

// Drops every input event waiting in the queue (keys the player pressed for the game).
void DiscardPendingInput();

}  // namespace platform
