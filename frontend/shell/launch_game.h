// Leaving the list: running the emulator for one game, or switching to another
// configuration.
#pragma once

#include <cstdint>
#include <string_view>

// LaunchEntry(name, screensaver, switch): with switch = 0 runs the emulator for the ROM
// `name` and waits until it ends (screensaver = 1: a screensaver run, ended after
// ScrDuration unless a coin key turns it into a normal run); with switch = 1 switches to
// the configuration `name`. 1 when the game ran or the configuration was switched, 0
// when the switch failed.
int LaunchEntry(std::string_view name, int screensaver, int switchConfiguration);

// The game half of LaunchEntry.
int LaunchGame(std::string_view romName, bool screensaver);

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
