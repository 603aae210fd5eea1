#include "frontend/shell/clocks.h"

#include "render/animation_clock.h"
#include "render/render_state.h"
#include "render/scroll_text.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/wiring_render_state.h"
#include "platform/clock.h"

using render::FrameClocks;
namespace shell {

namespace {
constexpr std::uint32_t kPulsePeriod = 50;
constexpr std::uint32_t kVolumePeriod = 50;
constexpr std::uint32_t kScrollPeriod = 20;
constexpr std::uint32_t kTransitionPeriod = 10;
}  // namespace

void ResetClocks(std::uint32_t now) {
  FrameClocks& c = wire::Render().clocks;
  c.selectionPulse = {now, kPulsePeriod};
  gShell.volumeRamp.clock = {now, kVolumePeriod};
  c.scrollText = {now, kScrollPeriod};
  c.pulseElapsed = 0;
  wire::Render().scrollText.due = now;
  wire::Render().scrollText.period = kScrollPeriod;
  c.nextFrameTime = now;
  c.frameAsked = true;
  if (c.fadeLevel == 0.0f) StartFade(0.0f, now);
}

void StartFade(float level, std::uint32_t now) {
  FrameClocks& c = wire::Render().clocks;
  c.fadeLevel = level;
  c.transition = {now, kTransitionPeriod};
  c.fadeStep = level == 1.0f ? -0.01f : 0.01f;
  c.fadeDelta = c.fadeStep;
  c.nextFrameTime = now;
  c.frameAsked = true;
}

void AskForFrame() {
  wire::Render().clocks.nextFrameTime = platform::GetTickCount();
  wire::Render().clocks.frameAsked = true;
}

}  // namespace shell
