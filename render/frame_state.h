// Values of the menu frame that change between frames: per-line list slots and the
// volume gauge.
#pragma once

#include "render/layout.h"

#include <array>

struct FrameState {
  std::array<int, kMaxListItems> lineSlots{};  // LineSlots: texture slot per visible line
  int volume = 0;                              // 0-1000
  int volumeRate = 0;                          // +10 / -10 while a volume key is held
};

extern FrameState gFrame;
