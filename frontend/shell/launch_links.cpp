#include "frontend/shell/launch_links.h"

namespace launch_links {

void PlayGameLaunchSound() {}
void PauseMusic(int) {}
void Beep(int, int) {}

int KeyTrackerInit(int, int, int, int) { return 0; }
unsigned long KeyTrackerGetKey() { return 0; }
void KeyTrackerTerm() {}

void SaveFavourites() {}

void BeginRunStatistics(std::string_view, bool) {}
void CountNormalRun() {}
void SaveRunStatistics(const CoinCounts&, std::uint32_t, std::uint32_t) {}

}  // namespace launch_links
