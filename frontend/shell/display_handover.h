// The whole display given to a game and taken back. On the console (KMS/DRM) a game needs
// the display device itself: the menu's drawing device, window and video system go while it
// runs, and come back after in the same mode, with the same selection and template.
#pragma once

#include <cstdint>

struct Settings;

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

// Releases the drawing device, the window and the video system when games get the whole
// display (platform::ReleaseDisplayDuringGames); false, with nothing done, elsewhere.
bool ReleaseWholeDisplay(render::RenderState& render);
// True from ReleaseWholeDisplay until TakeBackWholeDisplay.
bool WholeDisplayReleased();
// The window and the drawing device made again and shown. False when they cannot be made:
// that is logged and the menu ends, as at a start without a display.
bool TakeBackWholeDisplay(Shell& shell, const Settings& s);

// The return's time to the menu's first frame, logged for the owner: the game's end is noted
// when the wait for the emulator ends, the frame when the main loop shows one.
void NoteGameEnded(std::uint32_t now);
void NoteMenuFrameShown();  // reads the clock only while a return is timed

}  // namespace shell
