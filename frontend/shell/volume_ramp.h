// A held volume key ramps the music volume by one step every 50 ms within 0-1000, the
// music following each step; the drawing is only handed the value to show as a gauge.
// The settings take the value the ramp reached when the key is released, so the next
// track starts at it. The ramp's state is handed in (Shell::volumeRamp).
#pragma once

#include "frontend/shell/music_state.h"
#include "frontend/shell/volume_ramp_state.h"
#include "render/render_state.h"
#include "settings/settings.h"

#include <cstdint>
#include <optional>

namespace shell {

// A volume key pressed (or repeated by the keyboard): the ramp starts from the music
// volume of the settings, or goes on at its pace in this direction.
void HoldVolumeKey(VolumeRamp& ramp, const Settings& settings, render::RenderState& render, int rate);
// One step when the ramp runs and its clock is due; true when it stepped.
bool StepVolumeRamp(VolumeRamp& ramp, const MusicState& music, render::RenderState& render, std::uint32_t now);
// When the next step is due; nothing while no volume key is held.
std::optional<std::uint32_t> VolumeRampDue(const VolumeRamp& ramp);
// Any key released: a running ramp ends, its value kept in the settings, and the gauge
// goes away.
void ReleaseVolumeKey(VolumeRamp& ramp, Settings& settings, render::RenderState& render);

}  // namespace shell
