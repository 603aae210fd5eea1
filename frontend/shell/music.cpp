#include "frontend/shell/music.h"

#include "frontend/catalogue/directory_scan.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

MusicState gMusic;

namespace {
constexpr std::size_t kPathField = 260;
}

void StartMusic(const std::string& path, bool subdirectories, int volume) {
  std::string buffer = platform::CutToField(path, kPathField);
  gMusic.pathPlaying = buffer;
  // Without a sound device nothing can play: spare the directory scan of every check.
  if (buffer.empty() || platform::AudioIsSilent()) return;
  buffer = platform::ResolvePath(buffer);
  if (platform::DirectoryExists(buffer)) {
    if (!PickRandomFile(buffer, "mp3", subdirectories)) return;
  } else if (!platform::FileExists(buffer)) {
    return;
  }
  OpenMusicWindow(buffer, volume);
}

bool OpenMusicWindow(const std::string& file, int volume) {
  CloseMusicWindow();
  if (volume < 1) return false;
  const std::string resolved = platform::ResolvePath(file);
  gMusic.windowOpen = platform::MusicPlayFile(resolved, volume);
  if (gMusic.windowOpen) gMusic.filePlaying = resolved;
  return gMusic.windowOpen;
}

bool MusicStopped() { return !gMusic.windowOpen || platform::MusicIsStopped(); }

void SetMusicVolume(int volume) {
  if (gMusic.windowOpen && volume >= 0 && volume <= 1000) platform::MusicSetVolume(volume);
}

void StopMusic() {
  if (gMusic.windowOpen) platform::MusicStop();
}

void PauseMusic(int pause) {
  if (gMusic.windowOpen) platform::MusicPause(pause != 0);
}

void CloseMusicWindow() {
  if (!gMusic.windowOpen) return;
  platform::MusicClose();
  gMusic.windowOpen = false;
  gMusic.filePlaying.clear();
}
