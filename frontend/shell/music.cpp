#include "frontend/shell/music.h"

#include "catalogue/directory_scan.h"
#include "frontend/shell/shell_state.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace shell {

using catalogue::PickRandomFile;

namespace {
constexpr std::size_t kPathField = 260;
}

void StartMusic(const std::string& path, bool subdirectories, int volume) {
  std::string buffer = platform::CutToField(path, kPathField);
  gShell.music.pathPlaying = buffer;
  // Without a sound device nothing can play: spare the directory scan of every check.
  if (buffer.empty() || platform::AudioIsSilent()) return;
  buffer = platform::ResolvePath(buffer);
  if (platform::DirectoryExists(buffer)) {
    if (!PickRandomFile(gCatalogue.random, gCatalogue.lastPick, buffer, "mp3", subdirectories)) return;
  } else if (!platform::FileExists(buffer)) {
    return;
  }
  OpenMusicWindow(buffer, volume);
}

bool OpenMusicWindow(const std::string& file, int volume) {
  CloseMusicWindow();
  if (volume < 1) return false;
  const std::string resolved = platform::ResolvePath(file);
  gShell.music.windowOpen = platform::MusicPlayFile(resolved, volume);
  if (gShell.music.windowOpen) gShell.music.filePlaying = resolved;
  return gShell.music.windowOpen;
}

bool MusicStopped() { return !gShell.music.windowOpen || platform::MusicIsStopped(); }

void SetMusicVolume(int volume) {
  if (gShell.music.windowOpen && volume >= 0 && volume <= 1000) platform::MusicSetVolume(volume);
}

void StopMusic() {
  if (gShell.music.windowOpen) platform::MusicStop();
}

void PauseMusic(int pause) {
  if (gShell.music.windowOpen) platform::MusicPause(pause != 0);
}

void CloseMusicWindow() {
  if (!gShell.music.windowOpen) return;
  platform::MusicClose();
  gShell.music.windowOpen = false;
  gShell.music.filePlaying.clear();
}

}  // namespace shell
