// Until the drawing and the history reader are there: no media to release, the volume
// rate kept here, and no history text (the panel never opens).
#include "frontend/shell/input_links.h"

namespace input_links {

namespace {
int volumeRate = 0;
int firstHistoryLine = 0;
}  // namespace

void ReleaseMedia() {}
void SetVolumeRate(int rate) { volumeRate = rate; }
int VolumeRate() { return volumeRate; }

bool HistoryShown() { return false; }
void ClearHistory() {}
void LoadHistory(const std::string&) {}
int& FirstHistoryLine() { return firstHistoryLine; }
int HistoryLineCount() { return 0; }

}  // namespace input_links
