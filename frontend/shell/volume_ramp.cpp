#include "frontend/shell/volume_ramp.h"

#include "render/frame_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/music.h"
#include "render/render_state.h"

#include <algorithm>

using render::ClockDue;
namespace shell {

namespace {
constexpr std::uint32_t kVolumeStepMs = 50;
}  // namespace

void HoldVolumeKey(VolumeRamp& ramp, const Settings& settings, render::RenderState& render, int rate) {
  if (ramp.rate == 0) ramp.level = settings.musicVolume;
  ramp.rate = rate;
  render.frame.volumeGauge = ramp.level;
}

bool StepVolumeRamp(VolumeRamp& ramp, const MusicState& music, render::RenderState& render, std::uint32_t now) {
  if (ramp.rate == 0 || !ClockDue(now, ramp.clock.due)) return false;
  ramp.level = std::clamp(ramp.level + ramp.rate, 0, 1000);
  SetMusicVolume(music, ramp.level);
  render.frame.volumeGauge = ramp.level;
  ramp.clock.due = now + kVolumeStepMs;
  return true;
}

std::optional<std::uint32_t> VolumeRampDue(const VolumeRamp& ramp) {
  if (ramp.rate == 0) return std::nullopt;
  return ramp.clock.due;
}

void ReleaseVolumeKey(VolumeRamp& ramp, Settings& settings, render::RenderState& render) {
  if (ramp.rate == 0) return;
  ramp.rate = 0;
  settings.musicVolume = ramp.level;
  render.frame.volumeGauge.reset();
  AskForFrame(render.clocks);  // the gauge goes away
}

}  // namespace shell
