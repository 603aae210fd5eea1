// The four event sounds in memory (Shell::sounds).
#pragma once

#include "platform/audio.h"

#include <array>
#include <memory>

namespace shell {

enum SoundId : int { kSoundIntro = 0, kSoundQuit, kSoundGameLaunch, kSoundNavigate, kSoundCount };

using SoundBlock = std::unique_ptr<platform::SoundClip>;

struct SoundSlots {
  std::array<SoundBlock, kSoundCount> slot;  // null: that event is silent
};

}  // namespace shell
