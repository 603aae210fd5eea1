// Music and sounds at the settings loading, the start-up, the loop and the shutdown.
#include "frontend/shell/wiring_sound.h"

#include "frontend/shell/music.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/sounds.h"
#include "platform/audio.h"

namespace shell {

namespace wire {

void LoadConfiguredSounds(bool sons) { LoadSounds(gShell.sounds, sons, gShell.baseDirectory, gShell.settings.currentConfig); }
void StartConfiguredMusic(const std::string& musicFond) {
  StartMusic(gShell.music, gCatalogue, musicFond, gShell.settings.musicSousRep, gShell.settings.musicVolume);
}
void FreeSoundsAndAudio() {
  FreeSounds(gShell.sounds);
  platform::SilenceAudioForExit();  // last use of the device: the program ends
}

}  // namespace wire

}  // namespace shell
