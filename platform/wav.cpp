#include "platform/wav.h"

#include <algorithm>

namespace platform {
namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string MakeWav16(const std::vector<std::int16_t>& samples, int sampleRate, int channels) {
  channels = std::max(channels, 1);
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);                                          // fmt chunk size
  PutLe(out, 1, 2);                                           // PCM
  PutLe(out, static_cast<std::uint32_t>(channels), 2);
  PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLe(out, static_cast<std::uint32_t>(sampleRate * channels * 2), 4);  // byte rate
  PutLe(out, static_cast<std::uint32_t>(channels * 2), 2);    // block align
  PutLe(out, 16, 2);                                          // bits per sample
  out += "data";
  PutLe(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

std::vector<std::int16_t> SquareWave(int frequency, int milliseconds, int sampleRate,
                                     int amplitude) {
  if (frequency <= 0 || milliseconds <= 0 || sampleRate <= 0) return {};
  const std::int64_t count = static_cast<std::int64_t>(sampleRate) * milliseconds / 1000;
  amplitude = std::clamp(amplitude, 0, 32767);
  std::vector<std::int16_t> out(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    // Phase in half periods: even halves high, odd halves low.
    const std::int64_t half = i * frequency * 2 / sampleRate;
    out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(half % 2 == 0 ? amplitude : -amplitude);
  }
  return out;
}

}  // namespace platform
