// The calls the key handling and the configuration switch make into the drawing and the
// catalogue. Each is one call into the room that owns it.
#pragma once

#include <string>

namespace input_links {

// Drawing.
void ReleaseMedia();             // pictures of the layout and the selection, before a switch
void SetVolumeRate(int rate);    // +10 / -10 while a volume key is held, 0 when released
int VolumeRate();
int RampedVolume();              // the volume the ramp has reached (0-1000)

// The history text of the information panel (empty = panel closed).
bool HistoryShown();
void ClearHistory();
void LoadHistory(const std::string& romName);  // appends the game's history, if any
int& FirstHistoryLine();
int HistoryLineCount();

}  // namespace input_links
