// The sound device through SDL2_mixer: one music stream (the music window of the
// frontend), one channel for the event sounds and one for beeps.
//
// The device opens on first use. When it cannot be opened (no sound card, no server)
// the program runs silent: every call below does nothing, the failure is logged once,
// and the device is not tried again until CloseAudio.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/video_source.h"

namespace platform {

bool OpenAudio();          // true when the device is usable (opened now or before)
void CloseAudio();         // music stopped and freed, device closed
// The program ends: music and sounds stop at once, the device is left to the system.
// Closing it waits for the audio thread's buffer under way, up to a tenth of a second.
void SilenceAudioForExit();
bool AudioIsSilent();      // the device was tried and could not be opened

// Lets the device go while another program (a game) needs it: ALSA without a software
// mixer, common on HDMI-only cabinets, gives a device to one program at a time. The
// music's file, volume, position and pause are kept; ResumeAudio opens the device again
// and the music goes on from there (loaded clips are decoded again when next played).
void SuspendAudio();
void ResumeAudio();
bool AudioSuspended();

// --- Music: at most one stream; "stopped" means loaded but neither playing nor paused.
// Replaces the current music and plays the file once; volume 0-1000 (above 1000: the
// mixer's full volume). False = no music.
bool MusicPlayFile(const std::string& file, int volume);
void MusicClose();
bool MusicIsOpen();
bool MusicIsStopped();
void MusicSetVolume(int volume);  // 0-1000, mapped linearly onto the mixer's 0-128
int MusicVolumeForTests();        // the mixer's current 0-128 music volume
void MusicPause(bool pause);
void MusicStop();

// --- Sounds: a WAV file held in memory, decoded for the device when first played.
class SoundClip {
 public:
  explicit SoundClip(std::string bytes);
  ~SoundClip();
  SoundClip(const SoundClip&) = delete;
  SoundClip& operator=(const SoundClip&) = delete;

  const std::string& bytes() const { return bytes_; }

 private:
  friend bool PlaySoundClip(SoundClip& clip, bool wait);
  std::string bytes_;
  void* chunk_ = nullptr;      // Mix_Chunk decoded for the device generation below
  unsigned generation_ = 0;
};

// Plays the clip on the sound channel. A clip never cuts off a sound still playing:
// while the channel is busy the clip is skipped (false). With wait, returns only when
// the clip has played to its end.
bool PlaySoundClip(SoundClip& clip, bool wait);
bool SoundChannelBusy();

// A square-wave tone, like the PC speaker beep: returns when it has played.
void Beep(int frequency, int milliseconds);

// --- A video clip's sound: samples in the device's own format, on a channel of their
// own. The music is lowered while a clip's sound plays and comes back when it stops.
// The device's format (opened now when needed); nothing when the program runs silent.
std::optional<SoundFormat> DeviceSoundFormat();
// Plays `samples` from `fromMs` to their end, in place of what the clip channel played.
bool PlayClipSound(std::shared_ptr<const std::vector<std::int16_t>> samples, std::int64_t fromMs);
void StopClipSound();
bool ClipSoundPlaying();

}  // namespace platform
