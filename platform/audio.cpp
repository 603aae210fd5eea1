#include "platform/audio.h"

#include "platform/debug_log.h"
#include "platform/wav.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <string>

namespace platform {
namespace {

constexpr int kSoundChannel = 0;
constexpr int kBeepChannel = 1;
constexpr int kClipChannel = 2;
constexpr int kRate = 44100;
// The music under a clip's sound: a quarter of its volume.
constexpr int kMusicUnderClip = 4;

enum class Device { Untried, Open, Silent };

struct AudioState {
  Device device = Device::Untried;
  unsigned generation = 0;  // bumped at every open: decoded clips of an older device are stale
  bool failureLogged = false;
  Mix_Music* music = nullptr;
  bool musicPaused = false;
  std::string musicFile;  // the file of `music`
  // What SuspendAudio kept of the music.
  bool suspended = false;
  bool hadMusic = false;
  bool wasPlaying = false;
  bool wasPaused = false;
  double position = 0.0;
  int volume = MIX_MAX_VOLUME;
  int musicLevel = MIX_MAX_VOLUME;  // the music's own volume, 0-128, before any lowering
  // The clip channel's sound: its samples stay alive while the chunk plays them.
  std::shared_ptr<const std::vector<std::int16_t>> clipSamples;
  Mix_Chunk* clipChunk = nullptr;
};

AudioState& State() {
  static AudioState state;
  return state;
}

bool TryOpen() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(3);
  return true;
}

void WaitWhilePlaying(int channel) {
  while (Mix_Playing(channel)) SDL_Delay(5);
}

void SetMusicLevel(int level) {
  AudioState& s = State();
  s.musicLevel = level;
  Mix_VolumeMusic(s.clipChunk ? level / kMusicUnderClip : level);
}

}  // namespace

bool OpenAudio() {
  AudioState& s = State();
  if (s.device == Device::Open) return true;
  if (s.device == Device::Silent) return false;
  if (TryOpen()) {
    s.device = Device::Open;
    ++s.generation;
    return true;
  }
  s.device = Device::Silent;
  if (!s.failureLogged) {
    s.failureLogged = true;
    WriteLog(std::string("Pas de p\xC3\xA9riph\xC3\xA9rique audio, musique et sons coup\xC3\xA9s : ") +
                 SDL_GetError(), 1, 1);
  }
  return false;
}

void CloseAudio() {
  AudioState& s = State();
  MusicClose();
  StopClipSound();
  if (s.device == Device::Open) {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  s.device = Device::Untried;
  s.failureLogged = false;
}

void SilenceAudioForExit() {
  MusicClose();
  if (State().device == Device::Open) Mix_HaltChannel(-1);
}

bool AudioIsSilent() { return State().device == Device::Silent; }

void SuspendAudio() {
  AudioState& s = State();
  if (s.device != Device::Open || s.suspended) return;
  s.suspended = true;
  s.hadMusic = s.music != nullptr;
  if (s.music) {
    s.wasPaused = s.musicPaused;
    s.wasPlaying = s.musicPaused || Mix_PlayingMusic();
    const double position = Mix_GetMusicPosition(s.music);
    s.position = position > 0 ? position : 0.0;
    s.volume = s.musicLevel;
  }
  const std::string file = s.musicFile;
  CloseAudio();
  s.musicFile = file;
}

void ResumeAudio() {
  AudioState& s = State();
  if (!s.suspended) return;
  s.suspended = false;
  if (s.device == Device::Silent) s.device = Device::Untried;  // a try while the game held it
  if (!s.hadMusic || !OpenAudio()) return;
  s.music = Mix_LoadMUS(s.musicFile.c_str());
  if (!s.music) return;
  SetMusicLevel(s.volume);
  if (!s.wasPlaying) return;  // a stopped track stays stopped: the loop picks the next
  if (Mix_PlayMusic(s.music, 1) != 0) return;
  if (s.position > 0) Mix_SetMusicPosition(s.position);
  if (s.wasPaused) {
    Mix_PauseMusic();
    s.musicPaused = true;
  }
}

bool AudioSuspended() { return State().suspended; }

bool MusicPlayFile(const std::string& file, int volume) {
  MusicClose();
  if (file.empty() || !OpenAudio()) return false;
  AudioState& s = State();
  s.music = Mix_LoadMUS(file.c_str());
  if (!s.music) return false;
  s.musicFile = file;
  SetMusicLevel(volume > 1000 ? MIX_MAX_VOLUME : std::clamp(volume, 0, 1000) * MIX_MAX_VOLUME / 1000);
  if (Mix_PlayMusic(s.music, 1) != 0) {
    Mix_FreeMusic(s.music);
    s.music = nullptr;
    return false;
  }
  return true;
}

void MusicClose() {
  AudioState& s = State();
  if (!s.music) return;
  Mix_HaltMusic();
  Mix_FreeMusic(s.music);
  s.music = nullptr;
  s.musicPaused = false;
  s.musicFile.clear();
}

bool MusicIsOpen() { return State().music != nullptr; }

bool MusicIsStopped() {
  const AudioState& s = State();
  return s.music && !s.musicPaused && !Mix_PlayingMusic();
}

void MusicSetVolume(int volume) {
  if (!State().music) return;
  volume = std::clamp(volume, 0, 1000);
  SetMusicLevel(volume * MIX_MAX_VOLUME / 1000);
}

int MusicVolumeForTests() { return State().device == Device::Open ? Mix_VolumeMusic(-1) : 0; }

void MusicPause(bool pause) {
  AudioState& s = State();
  if (!s.music) return;
  if (pause) {
    if (!Mix_PlayingMusic()) return;  // a stopped track stays stopped
    Mix_PauseMusic();
    s.musicPaused = true;
  } else if (s.musicPaused) {
    Mix_ResumeMusic();
    s.musicPaused = false;
  }
}

void MusicStop() {
  AudioState& s = State();
  if (!s.music) return;
  Mix_HaltMusic();
  s.musicPaused = false;
}

SoundClip::SoundClip(std::string bytes) : bytes_(std::move(bytes)) {}

SoundClip::~SoundClip() {
  if (chunk_) Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));  // halts a channel playing it
}

bool PlaySoundClip(SoundClip& clip, bool wait) {
  if (!OpenAudio() || Mix_Playing(kSoundChannel)) return false;
  const unsigned generation = State().generation;
  if (clip.chunk_ && clip.generation_ != generation) {
    Mix_FreeChunk(static_cast<Mix_Chunk*>(clip.chunk_));
    clip.chunk_ = nullptr;
  }
  if (!clip.chunk_) {
    SDL_RWops* rw = SDL_RWFromConstMem(clip.bytes_.data(), static_cast<int>(clip.bytes_.size()));
    clip.chunk_ = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    clip.generation_ = generation;
    if (!clip.chunk_) return false;
  }
  if (Mix_PlayChannel(kSoundChannel, static_cast<Mix_Chunk*>(clip.chunk_), 0) < 0) return false;
  if (wait) WaitWhilePlaying(kSoundChannel);
  return true;
}

bool SoundChannelBusy() { return State().device == Device::Open && Mix_Playing(kSoundChannel); }

void Beep(int frequency, int milliseconds) {
  if (frequency <= 0 || milliseconds <= 0 || !OpenAudio()) return;
  const std::string wav = MakeWav16(SquareWave(frequency, milliseconds, kRate, 6000), kRate, 1);
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
  if (!chunk) return;
  Mix_HaltChannel(kBeepChannel);
  if (Mix_PlayChannel(kBeepChannel, chunk, 0) >= 0) WaitWhilePlaying(kBeepChannel);
  Mix_FreeChunk(chunk);
}

std::optional<SoundFormat> DeviceSoundFormat() {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  if (!OpenAudio() || !Mix_QuerySpec(&rate, &format, &channels)) return std::nullopt;
  if (format != AUDIO_S16SYS || rate <= 0 || channels <= 0) return std::nullopt;
  return SoundFormat{rate, channels};
}

bool PlayClipSound(std::shared_ptr<const std::vector<std::int16_t>> samples, std::int64_t fromMs) {
  StopClipSound();
  const auto format = DeviceSoundFormat();
  if (!format || !samples) return false;
  const std::size_t frame = std::size_t(format->channels);
  const std::size_t from = std::size_t(std::max<std::int64_t>(fromMs, 0) * format->rate / 1000) * frame;
  if (from >= samples->size()) return false;
  const std::size_t bytes = (samples->size() - from) * sizeof(std::int16_t);
  if (bytes > 0xFFFFFFFFu) return false;
  AudioState& s = State();
  // The chunk plays the samples where they are: they are kept until it is freed.
  auto* start = reinterpret_cast<Uint8*>(const_cast<std::int16_t*>(samples->data() + from));
  s.clipChunk = Mix_QuickLoad_RAW(start, Uint32(bytes));
  if (!s.clipChunk) return false;
  s.clipSamples = std::move(samples);
  if (Mix_PlayChannel(kClipChannel, s.clipChunk, 0) < 0) {
    StopClipSound();
    return false;
  }
  SetMusicLevel(s.musicLevel);
  return true;
}

void StopClipSound() {
  AudioState& s = State();
  if (!s.clipChunk) return;
  Mix_HaltChannel(kClipChannel);
  Mix_FreeChunk(s.clipChunk);
  s.clipChunk = nullptr;
  s.clipSamples.reset();
  SetMusicLevel(s.musicLevel);
}

bool ClipSoundPlaying() { return State().clipChunk && Mix_Playing(kClipChannel); }

}  // namespace platform
