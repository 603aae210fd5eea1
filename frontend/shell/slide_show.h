// The slides of the slide show, and the menu's frame that hands the show to the screen.
// Apart from the screensaver that starts the show, so that whoever draws a frame does not
// depend on what the screensaver launches.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/catalogue_state.h"
#include "frontend/shell/slide_show_state.h"
#include "settings/settings.h"

namespace render {
struct RenderState;
}

namespace shell {

// A frame of the menu, or of the slide show while it runs; false when skipped (no device,
// draw lock).
bool DrawMenuFrame(render::RenderState& render, const SlideShow& slideShow, int mode);

// For the frame drawing while the slide show runs: when the current slide has been shown
// ScrDuration seconds (or there is none yet), the path of a random picture of
// SlideShowDir becomes the next slide; empty when it is not time yet or no picture exists
// (the previous slide then stays).
std::string NextSlide(SlideShow& slideShow, const Settings& s, catalogue::CatalogueState& catalogue,
                      std::uint32_t now);

// True when a slide is due at `now` (pure rule of NextSlide).
bool SlideDue(std::uint32_t now, std::uint32_t lastSlideTick, int scrDuration);

}  // namespace shell
