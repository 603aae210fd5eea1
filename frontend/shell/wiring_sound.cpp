// Empty until music and sounds are built. MusicStopped answers false so that the loop
// does not try to start music that cannot play.
#include "frontend/shell/wiring_sound.h"

namespace wire {

void LoadSounds(bool) {}
void PlayIntroSound() {}
bool MusicStopped() { return false; }
void StartMusic(const std::string&) {}
void CloseMusicWindow() {}
void FreeSounds() {}

}  // namespace wire
