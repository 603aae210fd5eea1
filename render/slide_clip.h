// A clip as a slide of the slide show: it plays in the slide's slot, silent, until the
// next slide or the end of the show. The slide shown before stays until its first frame,
// which fades in as a picture does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace render {

struct RenderState;

// Starts the clip for the next slide; false when it cannot play (the slide stays).
bool StartSlideClip(const std::string& path);
// Puts the newest due frame into the slide's slot; true when a frame must be drawn.
bool SlideClipStep(RenderState& rs, std::uint32_t now);
// When SlideClipStep has something to do next; nothing while no slide clip plays.
std::optional<std::uint32_t> SlideClipDeadline(std::uint32_t now);
// True once after the clip's first frame went into the slot: the slide changes there.
bool TakeSlideClipArrival();
void StopSlideClip();

}  // namespace render
