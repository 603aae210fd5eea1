// The calls a game launch makes into the sounds, the key tracker and the statistics.
// Each is one call into the room that owns it.
#pragma once

#include <cstdint>
#include <string_view>

#include "frontend/shell/coin_keys.h"

namespace launch_links {

// Sounds and music.
void PlayGameLaunchSound();  // without waiting
void PauseMusic(int pause);
void Beep(int frequency, int milliseconds);

// The key tracker library, watching the coin keys while the emulator has the keyboard.
int KeyTrackerInit(int k1, int k2, int k3, int k4);
unsigned long KeyTrackerGetKey();
void KeyTrackerTerm();

// The statistics of one game run: the game, list and global records read when the game
// starts, the run counted (screensaver or normal), a screensaver run turned into a normal
// one, and the coins and play time saved.
void BeginRunStatistics(std::string_view romName, bool screensaver);
void CountNormalRun();
void SaveRunStatistics(const CoinCounts& coins, std::uint32_t playTime, std::uint32_t now);

}  // namespace launch_links
