// Building small PCM WAV files in memory: the Beep stand-in, the demo's generated
// sounds and music, and the tests' clips.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A complete 16-bit PCM WAV file (RIFF header and data) holding interleaved samples.
std::string MakeWav16(const std::vector<std::int16_t>& samples, int sampleRate, int channels);

// A mono square wave of `frequency` Hz lasting `milliseconds`, peak `amplitude`.
std::vector<std::int16_t> SquareWave(int frequency, int milliseconds, int sampleRate,
                                     int amplitude);

}  // namespace platform
