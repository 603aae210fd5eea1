#include "frontend/shell/launch_links.h"

#include "frontend/shell/music.h"
#include "frontend/shell/sounds.h"

namespace launch_links {

void PlayGameLaunchSound() { PlaySound(kSoundGameLaunch, 0); }
void PauseMusic(int pause) { ::PauseMusic(pause); }
void Beep(int frequency, int milliseconds) { ::Beep(frequency, milliseconds); }

int KeyTrackerInit(int, int, int, int) { return 0; }
unsigned long KeyTrackerGetKey() { return 0; }
void KeyTrackerTerm() {}

void SaveFavourites() {}

void BeginRunStatistics(std::string_view, bool) {}
void CountNormalRun() {}
void SaveRunStatistics(const CoinCounts&, std::uint32_t, std::uint32_t) {}

}  // namespace launch_links
