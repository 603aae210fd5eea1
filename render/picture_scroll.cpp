#include "render/picture_scroll.h"

#include "render/animation_clock.h"
#include "render/layout.h"
#include "platform/clock.h"
#include "render/render_state.h"

#include <algorithm>
#include <cmath>

namespace render {

std::uint32_t PictureScrollPeriod(float speed) {
  const float s = std::min(std::fabs(speed), 10.0f);
  return static_cast<std::uint32_t>(std::trunc((11 - s) * 10 - 5));
}

void InitPictureScroll(RenderState& rs) { InitPictureScroll(rs, platform::GetTickCount()); }

void InitPictureScroll(RenderState& rs, std::uint32_t now) {
  rs.clocks.pictureScroll = {};
  for (int k = 0; k < 6; ++k) {
    const LayoutObject& o = rs.layout.objects[kCustom1 + k];
    if (!o.visible) continue;
    const float speeds[2] = {o.scrollSpeedX, o.scrollSpeedY};
    for (int axis = 0; axis < 2; ++axis)
      if (speeds[axis] != 0) rs.clocks.pictureScroll[k][axis] = {now, PictureScrollPeriod(speeds[axis])};
  }
  rs.clocks.nextFrameTime = now;
  rs.clocks.frameAsked = true;
}

void StepPictureScroll(RenderState& rs, std::uint32_t now) {
  for (int k = 0; k < 6; ++k) {
    LayoutObject& o = rs.layout.objects[kCustom1 + k];
    for (int axis = 0; axis < 2; ++axis) {
      AnimationClock& clock = rs.clocks.pictureScroll[k][axis];
      if (clock.period == 0 || !ClockDue(now, clock.due)) continue;
      const int size = axis == 0 ? o.width : o.height;
      const float speed = axis == 0 ? o.scrollSpeedX : o.scrollSpeedY;
      float& offset = axis == 0 ? o.scrollU : o.scrollV;
      // Catch up the periods missed, but never more than a few full turns' worth.
      std::uint32_t n = (now - clock.due) / clock.period + 1;
      if (size > 0) {
        n = std::min<std::uint32_t>(n, 4u * static_cast<std::uint32_t>(size) + 4u);
        const float step = (speed < 0 ? -1.0f : 1.0f) / float(size);
        for (std::uint32_t i = 0; i < n; ++i) {
          offset += step;
          if (offset <= -1 || offset >= 1) offset = -offset;
        }
      }
      clock.due = now + clock.period;
    }
  }
}

}  // namespace render
