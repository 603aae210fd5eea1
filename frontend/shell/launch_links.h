// The calls a game launch makes into the sounds and the key tracker.
// Each is one call into the room that owns it.
#pragma once

namespace launch_links {

// Sounds and music.
void PlayGameLaunchSound();  // without waiting
void PauseMusic(int pause);
void Beep(int frequency, int milliseconds);

// The key tracker library, watching the coin keys while the emulator has the keyboard.
int KeyTrackerInit(int k1, int k2, int k3, int k4);
unsigned long KeyTrackerGetKey();
void KeyTrackerTerm();

}  // namespace launch_links
