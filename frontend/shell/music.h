// Background music: one track at a time from a file, or a random .mp3 of a directory;
// the main loop starts the next track once the current one has stopped.
#pragma once

#include <string>

#include "catalogue/catalogue_state.h"
#include "frontend/shell/music_state.h"

namespace shell {

// Starts music from a file or, for a directory, from a random .mp3 in it (and in its
// subdirectories with `subdirectories`). Missing file or directory, or no .mp3: no music.
void StartMusic(MusicState& music, catalogue::CatalogueState& catalogue, const std::string& path, bool subdirectories, int volume);

// Replaces the current music with `file` at `volume` (0-1000; above 1000 the device's
// full volume). Volume below 1: the music is closed and nothing plays. False = no music.
bool OpenMusicWindow(MusicState& music, const std::string& file, int volume);

// True when there is no music or its track has ended: the main loop's cue to start
// the next one.
bool MusicStopped(const MusicState& music);

// The operations below do nothing when there is no music.
void SetMusicVolume(const MusicState& music, int volume);  // applied only for 0-1000
void StopMusic(const MusicState& music); // the next check starts another track
void PauseMusic(const MusicState& music, int pause); // around a game
void CloseMusicWindow(MusicState& music); // shutdown

}  // namespace shell
