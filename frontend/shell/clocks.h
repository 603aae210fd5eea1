// Restarting the animation clocks (the drawing's, the volume ramp's) and the screen transition.
#pragma once

#include "frontend/shell/volume_ramp_state.h"
#include "render/render_state.h"

#include <cstdint>

namespace shell {

// Due ticks of the selection pulse, volume ramp and scroll text and NextFrameTime = now,
// default periods back; starts the opening transition when the level is exactly 0.
void ResetClocks(render::RenderState& render, VolumeRamp& volumeRamp, std::uint32_t now);
// FadeLevel = level; the transition clock (10 ms) due now; a level of exactly 1 closes
// (step -0.01), any other opens (+0.01).
void StartFade(render::FrameClocks& clocks, float level, std::uint32_t now);
// Something visible changed outside the clocks (or the window system lost what was on
// screen): draw it at the next idle pass. Without it, a pass in which no clock moved
// anything draws nothing.
void AskForFrame(render::FrameClocks& clocks);

}  // namespace shell
