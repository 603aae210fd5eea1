// The key handling's calls into the drawing (media release, volume gauge) and the
// catalogue's history panel text.
#include "frontend/shell/input_links.h"

#include "frontend/catalogue/history.h"
#include "frontend/render/display.h"
#include "frontend/render/frame_state.h"
#include "frontend/shell/settings.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace input_links {

void ReleaseMedia() { ::ReleaseMedia(); }
void SetVolumeRate(int rate) { gFrame.volumeRate = rate; }
int VolumeRate() { return gFrame.volumeRate; }
int RampedVolume() { return gFrame.volume; }

bool HistoryShown() { return !gHistory.text.empty(); }
void ClearHistory() { gHistory.text.clear(); }
void LoadHistory(const std::string& romName) {
  // An emulator named without a directory is the one PATH finds: its history is beside it.
  const std::string directory = gSettings.emuDirectory.empty()
                                    ? std::string(platform::DirectoryPart(platform::FindProgram(gSettings.emuProgram)))
                                    : gSettings.emuDirectory;
  ::LoadHistory(directory, gSettings.largFen, romName);
}
int& FirstHistoryLine() { return gHistory.firstLine; }
int HistoryLineCount() { return gHistory.lineCount; }

}  // namespace input_links
