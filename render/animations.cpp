#include "render/animations.h"

#include "render/animation_clock.h"
#include "render/layout.h"
#include "render/picture_scroll.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/scroll_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace render {

namespace {

constexpr std::uint32_t kPulseTick = 50;
constexpr std::uint32_t kTransitionTick = 10;

void StepTransition(std::uint32_t now) {
  AnimationClock& clock = gRender.clocks.transition;
  if (gRender.clocks.fadeDelta == 0 || !ClockDue(now, clock.due)) return;
  const std::uint32_t n = (now - clock.due) / kTransitionTick + 1;
  gRender.clocks.fadeDelta = static_cast<float>(n) * gRender.clocks.fadeStep;
  clock.due = now + kTransitionTick;
}

bool ScrollTextRuns() {
  const LayoutObject& o = gRender.layout.objects[kScrollText];
  return !gRender.scrollText.working.empty() && o.visible && o.width > 0;
}

void UpdateNextFrameTime(std::uint32_t now) {
  std::optional<std::uint32_t> next;
  auto consider = [&](std::uint32_t due) {
    if (!next || static_cast<std::int32_t>(due - *next) < 0) next = due;
  };
  if (gRender.layout.pulseDirection != 0) consider(gRender.clocks.selectionPulse.due);
  if (gRender.clocks.fadeDelta != 0) consider(gRender.clocks.transition.due);
  if (ScrollTextRuns()) consider(gRender.scrollText.due);
  for (const auto& axes : gRender.clocks.pictureScroll)
    for (const AnimationClock& c : axes)
      if (c.period != 0) consider(c.due);
  gRender.clocks.nextFrameTime = next.value_or(now + 1000);
}

// Every clock's due tick: a clock that steps moves its own forward.
std::array<std::uint32_t, 15> DueTicks() {
  std::array<std::uint32_t, 15> due{gRender.clocks.selectionPulse.due, gRender.clocks.transition.due, gRender.scrollText.due};
  std::size_t i = 3;
  for (const auto& axes : gRender.clocks.pictureScroll)
    for (const AnimationClock& c : axes) due[i++] = c.due;
  return due;
}

}  // namespace

std::optional<GameTexts> SelectedGameTexts() {
  const int count = GameCount(gRender.sources);
  if (count <= 0) return std::nullopt;
  const ListPosition where = CurrentListPosition(gRender.sources);
  int p = (where.topIndex + where.row) % count;
  if (p < 0) p += count;
  const ShownGame e = GameAt(gRender.sources, p);
  return GameTexts{std::string(e.fullName), {std::string(e.infos[0]), std::string(e.infos[1]), std::string(e.infos[2])}};
}

void StepPulse(std::uint32_t now) {
  AnimationClock& clock = gRender.clocks.selectionPulse;
  Layout& l = gRender.layout;
  if (l.pulseDirection == 0 || !ClockDue(now, clock.due)) return;
  const int ramp = std::max(1, gRender.clocks.pulseRamp);
  int& elapsed = gRender.clocks.pulseElapsed;
  elapsed += static_cast<int>(std::min<std::uint32_t>(now - (clock.due - kPulseTick), 1u << 30));
  // After a long pause (a game was running) the ramp turns as often as it was due.
  while (elapsed >= ramp) {
    elapsed -= ramp;
    l.pulseDirection = -l.pulseDirection;
  }
  const int range = l.selectionAlphaMax - l.selectionAlphaMin;
  int f = static_cast<int>(static_cast<long long>(range) * elapsed / ramp);
  if (range >= 0) f = std::min(f, range);
  l.selectionAlpha = l.pulseDirection > 0 ? l.selectionAlphaMin + f : l.selectionAlphaMax - f;
  ApplyScrollTextBlink(l.pulseDirection > 0, elapsed);
  clock.due = now + kPulseTick;
}

bool UpdateAnimations(std::uint32_t now) {
  const auto before = DueTicks();
  StepPulse(now);
  StepTransition(now);
  if (ScrollTextRuns() && ClockDue(now, gRender.scrollText.due)) {
    const std::optional<GameTexts> game = SelectedGameTexts();
    StepScrollText(now, game ? &*game : nullptr);
  }
  StepPictureScroll(now);
  UpdateNextFrameTime(now);
  return DueTicks() != before;
}

}  // namespace render
