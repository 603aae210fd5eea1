// The four event sounds: WAV files read into memory once per configuration and played
// from memory on the one sound channel.
#pragma once

#include "frontend/shell/sound_slots.h"

#include <string>
#include <string_view>

namespace shell {

// With `enabled`, each sound is loaded from config/<configName>/<Name>.wav, else from
// Sound/<Name>.wav; a sound found in neither place becomes silent. Without `enabled`
// the sounds in memory stay as they are.
void LoadSounds(SoundSlots& sounds, bool enabled, std::string_view baseDirectory, std::string_view configName);
void FreeSounds(SoundSlots& sounds);

// The whole file as a block, or null for an empty path, a missing or empty file.
SoundBlock LoadFileToMemory(const std::string& path);

// Plays a block; a null block does nothing. A sound never cuts off one still playing:
// it is skipped instead. With wait, returns when the sound has played to its end.
// True when the sound started.
bool PlayMemorySound(platform::SoundClip* block, int wait);
bool PlaySound(const SoundSlots& sounds, SoundId id, int wait);

// The Quit sound: waited for when there is no closing transition to cover it.
void PlayQuitSound(const SoundSlots& sounds, bool transitions);

// A tone of `frequency` Hz for `milliseconds`; returns when it has played.
void Beep(int frequency, int milliseconds);

}  // namespace shell
