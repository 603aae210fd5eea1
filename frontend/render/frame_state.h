// Values of the menu frame that change between frames: per-line list slots, the volume
// gauge and the history panel text.
#pragma once

#include "frontend/render/layout.h"

#include <array>
#include <string>

struct FrameState {
  std::array<int, kMaxListItems> lineSlots{};  // LineSlots: texture slot per visible line
  int volume = 0;                              // 0-1000
  int volumeRate = 0;                          // +10 / -10 while a volume key is held
  std::string historyText;                     // shown in the panel when not empty
  int firstHistoryLine = 0;
};

extern FrameState gFrame;
