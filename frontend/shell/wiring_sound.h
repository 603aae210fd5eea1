// Where music and sounds join the settings loading, the start-up, the loop and the
// shutdown. Each function is one call into the music and sound code.
#pragma once

#include <string>

namespace wire {

void LoadSounds(bool sons);
void PlayIntroSound();                        // without waiting
bool MusicStopped();                          // no music window, or its track has ended
void StartMusic(const std::string& musicFond);
void CloseMusicWindow();
void FreeSounds();

}  // namespace wire
