// The clocks that pace the frames. The main loop composes a frame when the tick has
// reached nextFrameTime; advancing the animations lowers nextFrameTime to the next due
// clock; drawing a frame applies fadeDelta to fadeLevel (the screen transition).
#pragma once

#include <array>
#include <cstdint>

namespace render {

// One periodic clock: the tick at which it is next due and its period in ms.
struct AnimationClock {
  std::uint32_t due = 0;
  std::uint32_t period = 0;
};

struct FrameClocks {
  std::uint32_t nextFrameTime = 0;
  // Something outside the clocks changed what is on screen (a key, the window shown
  // again, a new layout): the next frame must be drawn even if no clock moved.
  bool frameAsked = true;
  float fadeLevel = 0.0f;   // 0 = layout shrunk to nothing, 1 = full size
  float fadeDelta = 0.0f;   // change at the next frame; 0 when no transition runs
  float fadeStep = 0.05f;   // change per 10 ms period
  AnimationClock selectionPulse;
  AnimationClock transition;
  AnimationClock scrollText;
  int pulseRamp = 1000;     // ms from one pulse alpha to the other
  int pulseElapsed = 0;     // ms into the current ramp
  // Scrolling Custom pictures: [Custom k - 1][0 = x, 1 = y]; period 0 = still.
  std::array<std::array<AnimationClock, 2>, 6> pictureScroll{};
};

// Tick comparison that survives the 49.7-day wrap: true when now is at or after due.
inline bool ClockDue(std::uint32_t now, std::uint32_t due) {
  return static_cast<std::int32_t>(now - due) >= 0;
}

}  // namespace render
