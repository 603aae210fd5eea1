#include "frontend/shell/volume_ramp.h"

#include "render/frame_state.h"
#include "frontend/shell/clocks.h"
#include "frontend/shell/music.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render_state.h"
#include "render/render_state.h"

#include <algorithm>

using render::ClockDue;
namespace shell {

namespace {
constexpr std::uint32_t kVolumeStepMs = 50;
}  // namespace

void HoldVolumeKey(int rate) {
  VolumeRamp& ramp = gShell.volumeRamp;
  if (ramp.rate == 0) ramp.level = gShell.settings.musicVolume;
  ramp.rate = rate;
  wire::Render().frame.volumeGauge = ramp.level;
}

bool StepVolumeRamp(std::uint32_t now) {
  VolumeRamp& ramp = gShell.volumeRamp;
  if (ramp.rate == 0 || !ClockDue(now, ramp.clock.due)) return false;
  ramp.level = std::clamp(ramp.level + ramp.rate, 0, 1000);
  SetMusicVolume(ramp.level);
  wire::Render().frame.volumeGauge = ramp.level;
  ramp.clock.due = now + kVolumeStepMs;
  return true;
}

std::optional<std::uint32_t> VolumeRampDue() {
  const VolumeRamp& ramp = gShell.volumeRamp;
  if (ramp.rate == 0) return std::nullopt;
  return ramp.clock.due;
}

void ReleaseVolumeKey() {
  VolumeRamp& ramp = gShell.volumeRamp;
  if (ramp.rate == 0) return;
  ramp.rate = 0;
  gShell.settings.musicVolume = ramp.level;
  wire::Render().frame.volumeGauge.reset();
  AskForFrame(wire::Render().clocks);  // the gauge goes away
}

}  // namespace shell
