// The 32-bit millisecond tick of the frontend's clocks. It wraps after 49.7 days, so
// callers compare ticks by unsigned difference (now - then), never by <.
#pragma once

#include <cstdint>

namespace platform {

std::uint32_t GetTickCount();

// Blocks the calling thread for ms milliseconds (the original's Sleep).
void Sleep(std::uint32_t ms);

// Tests move time by hand: while an override is set, GetTickCount returns it.
void SetTickOverride(std::uint32_t tick);
void ClearTickOverride();

}  // namespace platform
