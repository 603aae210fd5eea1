#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace demo {

double NoteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void Buffer::AddNote(double start, double length, double frequency, double volume, Wave wave,
                     double toFrequency) {
  const std::size_t first = static_cast<std::size_t>(start * kRate);
  const std::size_t count = static_cast<std::size_t>(length * kRate);
  const double attack = std::min(0.01, length / 4), release = std::min(0.08, length / 2);
  double phase = 0;
  for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = toFrequency > 0 ? frequency + (toFrequency - frequency) * t / length : frequency;
    phase += f / kRate;
    phase -= std::floor(phase);
    double v = 0;
    switch (wave) {
      case Wave::Sine: v = std::sin(2 * std::numbers::pi * phase); break;
      case Wave::Square: v = phase < 0.5 ? 0.6 : -0.6; break;
      case Wave::Triangle: v = 4 * std::abs(phase - 0.5) - 1; break;
    }
    double envelope = 1;
    if (t < attack) envelope = t / attack;
    if (length - t < release) envelope = std::min(envelope, (length - t) / release);
    samples[first + i] += static_cast<float>(v * envelope * volume);
  }
}

std::vector<std::int16_t> Buffer::ToPcm() const {
  float peak = 0.0001f;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  const float scale = 26000.0f / std::max(peak, 1.0f);
  std::vector<std::int16_t> out(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    out[i] = static_cast<std::int16_t>(std::clamp(samples[i] * scale, -32767.0f, 32767.0f));
  }
  return out;
}

}  // namespace demo
