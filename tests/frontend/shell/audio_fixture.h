// Generated clips for the music and sound tests: short tones, since the dummy audio
// driver plays in real time.
#pragma once

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/wav.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

inline std::string ToneWav(int ms, int frequency = 440) {
  return platform::MakeWav16(platform::SquareWave(frequency, ms, 22050, 3000), 22050, 1);
}

inline bool HaveLame() { return std::system("command -v lame >/dev/null 2>&1") == 0; }

// A real MP3 made by the lame encoder (scripts/install-deps.sh installs it).
inline std::string WriteTrack(const TempDir& dir, const std::string& name, int ms, int frequency) {
  const std::string wavPath = dir.Write(name + ".src.wav", ToneWav(ms, frequency));
  const std::string mp3Path = dir / name;
  const std::string command = "lame --quiet '" + wavPath + "' '" + mp3Path + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) ADD_FAILURE() << "lame failed for " << name;
  std::filesystem::remove(wavPath);
  return mp3Path;
}

inline void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The dummy driver plays in real time but may lag on a loaded machine: wait for the
// sound channel instead of sleeping a fixed time.
inline bool WaitForSoundChannel(int timeoutMs = 5000) {
  for (int t = 0; t < timeoutMs; t += 10) {
    if (!platform::SoundChannelBusy()) return true;
    SleepMs(10);
  }
  return false;
}
