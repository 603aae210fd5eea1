#include "frontend/shell/sounds.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace shell {

namespace {
constexpr const char* kSoundNames[kSoundCount] = {"Intro", "Quit", "GameLaunch", "Navigate"};
}

void LoadSounds(SoundSlots& sounds, bool enabled, std::string_view baseDirectory, std::string_view configName) {
  if (!enabled) return;
  for (int i = 0; i < kSoundCount; ++i) {
    const std::string file = std::string(kSoundNames[i]) + ".wav";
    SoundBlock block = LoadFileToMemory(
        platform::JoinPath(platform::JoinPath(platform::JoinPath(baseDirectory, "Config"), configName), file));
    if (!block) {
      block = LoadFileToMemory(platform::JoinPath(platform::JoinPath(baseDirectory, "Sound"), file));
    }
    sounds.slot[i] = std::move(block);
  }
}

void FreeSounds(SoundSlots& sounds) {
  for (SoundBlock& block : sounds.slot) block.reset();
}

SoundBlock LoadFileToMemory(const std::string& path) {
  if (path.empty()) return nullptr;
  const std::string resolved = platform::ResolvePath(path);
  if (!platform::FileExists(resolved)) return nullptr;
  std::optional<std::string> bytes = platform::ReadWholeFile(resolved);
  if (!bytes || bytes->empty()) return nullptr;
  return std::make_unique<platform::SoundClip>(std::move(*bytes));
}

bool PlayMemorySound(platform::SoundClip* block, int wait) {
  return block && platform::PlaySoundClip(*block, wait != 0);
}

bool PlaySound(const SoundSlots& sounds, SoundId id, int wait) { return PlayMemorySound(sounds.slot[id].get(), wait); }

void PlayQuitSound(const SoundSlots& sounds, bool transitions) { PlaySound(sounds, kSoundQuit, transitions ? 0 : 1); }

void Beep(int frequency, int milliseconds) { platform::Beep(frequency, milliseconds); }

}  // namespace shell
