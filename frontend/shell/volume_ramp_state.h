// A held volume key's ramp (Shell::volumeRamp).
#pragma once

#include "render/animation_clock.h"

namespace shell {

struct VolumeRamp {
  int rate = 0;   // +10 / -10 while a volume key is held, else 0
  int level = 0;  // 0-1000, while it runs
  render::AnimationClock clock;
};

}  // namespace shell
