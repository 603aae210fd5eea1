// Background music: one track at a time from a file, or a random .mp3 of a directory;
// the main loop starts the next track once the current one has stopped.
#pragma once

#include <string>

#include "frontend/shell/music_state.h"

namespace shell {

// Starts music from a file or, for a directory, from a random .mp3 in it (and in its
// subdirectories with `subdirectories`). Missing file or directory, or no .mp3: no music.
void StartMusic(const std::string& path, bool subdirectories, int volume);

// Replaces the current music with `file` at `volume` (0-1000; above 1000 the device's
// full volume). Volume below 1: the music is closed and nothing plays. False = no music.
bool OpenMusicWindow(const std::string& file, int volume);

// True when there is no music or its track has ended: the main loop's cue to start
// the next one.
bool MusicStopped();

// The operations below do nothing when there is no music.
void SetMusicVolume(int volume);  // applied only for 0-1000
void StopMusic();                 // the next check starts another track
void PauseMusic(int pause);       // around a game
void CloseMusicWindow();          // shutdown

}  // namespace shell
