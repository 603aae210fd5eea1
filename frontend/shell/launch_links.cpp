#include "frontend/shell/launch_links.h"

#include "frontend/shell/music.h"
#include "frontend/shell/sounds.h"
#include "keytracker/key_tracker.h"

namespace launch_links {

void PlayGameLaunchSound() { PlaySound(kSoundGameLaunch, 0); }
void PauseMusic(int pause) { ::PauseMusic(pause); }
void Beep(int frequency, int milliseconds) { ::Beep(frequency, milliseconds); }

// The library's own exports: the program is bound to liborvanel.so at load time.
int KeyTrackerInit(int k1, int k2, int k3, int k4) { return ::KeyTrackerInit(k1, k2, k3, k4); }
unsigned long KeyTrackerGetKey() { return ::KeyTrackerGetKey(); }
void KeyTrackerTerm() { ::KeyTrackerTerm(); }

}  // namespace launch_links
