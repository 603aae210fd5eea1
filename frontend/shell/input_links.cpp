// Until the drawing is there: no media to release and the volume rate kept here.
#include "frontend/shell/input_links.h"

#include "frontend/catalogue/history.h"
#include "frontend/shell/settings.h"

namespace input_links {

namespace {
int volumeRate = 0;
}  // namespace

void ReleaseMedia() {}
void SetVolumeRate(int rate) { volumeRate = rate; }
int VolumeRate() { return volumeRate; }

bool HistoryShown() { return !gHistory.text.empty(); }
void ClearHistory() { gHistory.text.clear(); }
void LoadHistory(const std::string& romName) {
  ::LoadHistory(gSettings.emuDirectory, gSettings.largFen, romName);
}
int& FirstHistoryLine() { return gHistory.firstLine; }
int HistoryLineCount() { return gHistory.lineCount; }

}  // namespace input_links
