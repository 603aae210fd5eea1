#include "frontend/shell/music.h"

#include "catalogue/directory_scan.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace shell {

using catalogue::PickRandomFile;

namespace {
constexpr std::size_t kPathField = 260;
}

void StartMusic(MusicState& music, catalogue::CatalogueState& catalogue, const std::string& path, bool subdirectories, int volume) {
  std::string buffer = platform::CutToField(path, kPathField);
  music.pathPlaying = buffer;
  // Without a sound device nothing can play: spare the directory scan of every check.
  if (buffer.empty() || platform::AudioIsSilent()) return;
  buffer = platform::ResolvePath(buffer);
  if (platform::DirectoryExists(buffer)) {
    if (!PickRandomFile(catalogue.random, catalogue.lastPick, buffer, "mp3", subdirectories)) return;
  } else if (!platform::FileExists(buffer)) {
    return;
  }
  OpenMusicWindow(music, buffer, volume);
}

bool OpenMusicWindow(MusicState& music, const std::string& file, int volume) {
  CloseMusicWindow(music);
  if (volume < 1) return false;
  const std::string resolved = platform::ResolvePath(file);
  music.windowOpen = platform::MusicPlayFile(resolved, volume);
  if (music.windowOpen) music.filePlaying = resolved;
  return music.windowOpen;
}

bool MusicStopped(const MusicState& music) { return !music.windowOpen || platform::MusicIsStopped(); }

void SetMusicVolume(const MusicState& music, int volume) {
  if (music.windowOpen && volume >= 0 && volume <= 1000) platform::MusicSetVolume(volume);
}

void StopMusic(const MusicState& music) {
  if (music.windowOpen) platform::MusicStop();
}

void PauseMusic(const MusicState& music, int pause) {
  if (music.windowOpen) platform::MusicPause(pause != 0);
}

void CloseMusicWindow(MusicState& music) {
  if (!music.windowOpen) return;
  platform::MusicClose();
  music.windowOpen = false;
  music.filePlaying.clear();
}

}  // namespace shell
