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

void StepTransition(RenderState& rs, std::uint32_t now) {
  AnimationClock& clock = rs.clocks.transition;
  if (rs.clocks.fadeDelta == 0 || !ClockDue(now, clock.due)) return;
  const std::uint32_t n = (now - clock.due) / kTransitionTick + 1;
  rs.clocks.fadeDelta = static_cast<float>(n) * rs.clocks.fadeStep;
  clock.due = now + kTransitionTick;
}

bool ScrollTextRuns(RenderState& rs) {
  const LayoutObject& o = rs.layout.objects[kScrollText];
  return !rs.scrollText.working.empty() && o.visible && o.width > 0;
}

void UpdateNextFrameTime(RenderState& rs, std::uint32_t now) {
  std::optional<std::uint32_t> next;
  auto consider = [&](std::uint32_t due) {
    if (!next || static_cast<std::int32_t>(due - *next) < 0) next = due;
  };
  if (rs.layout.pulseDirection != 0) consider(rs.clocks.selectionPulse.due);
  if (rs.clocks.fadeDelta != 0) consider(rs.clocks.transition.due);
  if (ScrollTextRuns(rs)) consider(rs.scrollText.due);
  for (const auto& axes : rs.clocks.pictureScroll)
    for (const AnimationClock& c : axes)
      if (c.period != 0) consider(c.due);
  rs.clocks.nextFrameTime = next.value_or(now + 1000);
}

// Every clock's due tick: a clock that steps moves its own forward.
std::array<std::uint32_t, 15> DueTicks(RenderState& rs) {
  std::array<std::uint32_t, 15> due{rs.clocks.selectionPulse.due, rs.clocks.transition.due, rs.scrollText.due};
  std::size_t i = 3;
  for (const auto& axes : rs.clocks.pictureScroll)
    for (const AnimationClock& c : axes) due[i++] = c.due;
  return due;
}

}  // namespace

std::optional<GameTexts> SelectedGameTexts(RenderState& rs) {
  const int count = GameCount(rs.sources);
  if (count <= 0) return std::nullopt;
  const ListPosition where = CurrentListPosition(rs.sources);
  int p = (where.topIndex + where.row) % count;
  if (p < 0) p += count;
  const ShownGame e = GameAt(rs.sources, p);
  return GameTexts{std::string(e.fullName), {std::string(e.infos[0]), std::string(e.infos[1]), std::string(e.infos[2])}};
}

void StepPulse(RenderState& rs, std::uint32_t now) {
  AnimationClock& clock = rs.clocks.selectionPulse;
  Layout& l = rs.layout;
  if (l.pulseDirection == 0 || !ClockDue(now, clock.due)) return;
  const int ramp = std::max(1, rs.clocks.pulseRamp);
  int& elapsed = rs.clocks.pulseElapsed;
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
  ApplyScrollTextBlink(rs, l.pulseDirection > 0, elapsed);
  clock.due = now + kPulseTick;
}

bool UpdateAnimations(RenderState& rs, std::uint32_t now) {
  const auto before = DueTicks(rs);
  StepPulse(rs, now);
  StepTransition(rs, now);
  if (ScrollTextRuns(rs) && ClockDue(now, rs.scrollText.due)) {
    const std::optional<GameTexts> game = SelectedGameTexts(rs);
    StepScrollText(rs, now, game ? &*game : nullptr);
  }
  StepPictureScroll(rs, now);
  UpdateNextFrameTime(rs, now);
  return DueTicks(rs) != before;
}

}  // namespace render
