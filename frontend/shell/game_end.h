// A game the frontend ends itself (the held exit combination, the end of a screensaver
// run): asked to close first, so the emulator saves what it keeps, then made to end.
#pragma once

#include <cstdint>

namespace platform {
class ProcessHandle;
}

namespace shell {

// The game's windows asked to close (closeGraceMs to do it), then SIGTERM to
// its process group, then SIGKILL after termGraceMs; the step that ended it is logged.
void EndGame(platform::ProcessHandle& process, std::uint32_t closeGraceMs, std::uint32_t termGraceMs);

}  // namespace shell
