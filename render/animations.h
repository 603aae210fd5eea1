// The animation step run by the main loop before each frame.
#pragma once

#include <cstdint>
#include <optional>

#include "render/scroll_text.h"

namespace render {

// Selection pulse (and the blinking scroll text), transition, scroll text, scrolling
// pictures, in this order; then NextFrameTime = the earliest due clock. True
// when a clock stepped, i.e. the next frame differs from the last one.
bool UpdateAnimations(std::uint32_t now);

// The selection pulse alone (and the scroll text's blinking with it): gRender.layout's selector
// opacity ramps between its bounds while gRender.layout.pulseDirection is not 0.
void StepPulse(std::uint32_t now);

// The selected game's texts, as the scroll text's tags show them; nothing for an empty list.
std::optional<GameTexts> SelectedGameTexts();

}  // namespace render
