// What the background music remembers between checks (Shell::music).
#pragma once

#include <string>

namespace shell {

struct MusicState {
  std::string pathPlaying;  // the MusicFond value the current music was started from, text(260)
  std::string filePlaying;  // the file of the current track
  bool windowOpen = false;  // a track is loaded (playing, paused or stopped at its end)
};

}  // namespace shell
