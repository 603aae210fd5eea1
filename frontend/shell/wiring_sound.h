// Where music and sounds take the settings (the configuration's sounds, music options
// and volume), and the last release of the audio device at the end.
#pragma once

#include <string>

namespace shell {

namespace wire {

void LoadConfiguredSounds(bool sons);
void StartConfiguredMusic(const std::string& musicFond);
void FreeSoundsAndAudio();  // the sounds, then silence: the program ends

}  // namespace wire

}  // namespace shell
