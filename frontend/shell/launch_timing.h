// The pauses of a launch, the record LaunchGame reads (Shell::launchTiming).
#pragma once

#include <cstdint>

namespace shell {

// Pauses of the launch; tests shorten them.
struct LaunchTiming {
  std::uint32_t pauseBeforeMs = 1000;     // between the launch sound and the start
  std::uint32_t fullScreenPauseMs = 100;  // before full screen is left
  std::uint32_t pollMs = 500;             // longest wait between two looks at the emulator
  std::uint32_t closeGraceMs = 1500;      // the game's windows asked to close, to SIGTERM
  std::uint32_t killGraceMs = 2000;       // SIGTERM to SIGKILL for a screensaver game
  std::uint32_t exitGraceMs = 3000;       // the same for a game ended from the panel
  std::uint32_t runSaveMs = 30000;        // a normal run's statistics are saved this often
};

}  // namespace shell
