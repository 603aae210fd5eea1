// Giving the screen to another program (the emulator) and taking it back.
#pragma once

namespace platform {

// Full screen: leaves full screen and hides the main window, so the emulator gets the
// display. On X11 a plain black window below every other one covers the desktop until
// TakeBackFullScreen. False when the window could not leave full screen (it is hidden anyway).
bool HandOverFullScreen();
// Back from HandOverFullScreen: shown, raised and full screen again; the black window goes.
void TakeBackFullScreen();

// True when a game gets the display entirely: on the console (KMS/DRM) the game needs the
// display device itself, so the menu's window, renderer and video system go while it runs
// (ReleaseVideo). Elsewhere the window only hides, over the black backdrop.
// ORVANEL_FULL_HANDOVER=1 asks for the whole release under any driver: a test seam, so
// that the release and take-back run under X11 and offscreen, where tests can watch them.
bool ReleaseDisplayDuringGames();

// Raises the main window and gives it the keyboard, back from a game: with no window
// manager (a kiosk's bare X server) nobody does when the game's window goes, and the
// keys then reach no window at all. Nothing where the window system has no focus (KMS).
void TakeInputFocus();

// Drops every input event waiting in the queue (keys the player pressed for the game).
void DiscardPendingInput();

}  // namespace platform
