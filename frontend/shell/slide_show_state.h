// The slide show's state (Shell::slideShow).
#pragma once

#include <cstdint>

namespace shell {

struct SlideShow {
  bool running = false;             // the slide-show flag
  std::uint32_t lastSlideTick = 0;  // when the current slide was chosen; 0 before the first
};

}  // namespace shell
