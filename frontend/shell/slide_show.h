// The slide show's state, and the menu's frame that hands it to the screen. Apart from
// the screensaver that starts the show, so that whoever draws a frame does not depend on
// what the screensaver launches.
#pragma once

#include <cstdint>

struct SlideShow {
  bool running = false;             // the slide-show flag
  std::uint32_t lastSlideTick = 0;  // when the current slide was chosen; 0 before the first
};

// A frame of the menu, or of the slide show while it runs; false when skipped (no device,
// draw lock).
bool DrawMenuFrame(int mode);
