// Values of the menu frame that change between frames: per-line list slots and the
// volume gauge's value as the shell hands it.
#pragma once

#include "render/layout_record.h"

#include <array>
#include <optional>

namespace render {

struct FrameState {
  std::array<int, kMaxListItems> lineSlots{};  // LineSlots: texture slot per visible line
  std::optional<int> volumeGauge;              // 0-1000, shown while a volume key is held
};

}  // namespace render
