// The animation step run by the main loop before each frame.
#pragma once

#include <cstdint>
#include <optional>

#include "render/scroll_text.h"

namespace render {

struct RenderState;

// Selection pulse (and the blinking scroll text), transition, scroll text, scrolling
// pictures, in this order; then NextFrameTime = the earliest due clock. True
// when a clock stepped, i.e. the next frame differs from the last one.
bool UpdateAnimations(RenderState& rs, std::uint32_t now);

// The selection pulse alone (and the scroll text's blinking with it): rs.layout's selector
// opacity ramps between its bounds while rs.layout.pulseDirection is not 0.
void StepPulse(RenderState& rs, std::uint32_t now);

// The selected game's texts, as the scroll text's tags show them; nothing for an empty list.
std::optional<GameTexts> SelectedGameTexts(RenderState& rs);

}  // namespace render
