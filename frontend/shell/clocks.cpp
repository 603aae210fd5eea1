#include "frontend/shell/clocks.h"

#include "render/animation_clock.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "platform/clock.h"

using render::FrameClocks;
namespace shell {

namespace {
constexpr std::uint32_t kPulsePeriod = 50;
constexpr std::uint32_t kVolumePeriod = 50;
constexpr std::uint32_t kScrollPeriod = 20;
constexpr std::uint32_t kTransitionPeriod = 10;
}  // namespace

void ResetClocks(render::RenderState& render, VolumeRamp& volumeRamp, std::uint32_t now) {
  FrameClocks& c = render.clocks;
  c.selectionPulse = {now, kPulsePeriod};
  volumeRamp.clock = {now, kVolumePeriod};
  c.scrollText = {now, kScrollPeriod};
  c.pulseElapsed = 0;
  render.scrollText.due = now;
  render.scrollText.period = kScrollPeriod;
  c.nextFrameTime = now;
  c.frameAsked = true;
  if (c.fadeLevel == 0.0f) StartFade(c, 0.0f, now);
}

void StartFade(FrameClocks& c, float level, std::uint32_t now) {
  c.fadeLevel = level;
  c.transition = {now, kTransitionPeriod};
  c.fadeStep = level == 1.0f ? -0.01f : 0.01f;
  c.fadeDelta = c.fadeStep;
  c.nextFrameTime = now;
  c.frameAsked = true;
}

void AskForFrame(FrameClocks& clocks) {
  clocks.nextFrameTime = platform::GetTickCount();
  clocks.frameAsked = true;
}

}  // namespace shell
