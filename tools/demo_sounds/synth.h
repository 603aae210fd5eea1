// A tiny synthesiser for the demo: notes with a soft envelope mixed into a mono buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace demo {

inline constexpr int kRate = 22050;

enum class Wave { Sine, Square, Triangle };

struct Buffer {
  std::vector<float> samples;
  explicit Buffer(double seconds) : samples(static_cast<std::size_t>(seconds * kRate), 0.0f) {}
  // Adds a note; frequency may glide linearly to `toFrequency` (0: no glide).
  void AddNote(double start, double length, double frequency, double volume, Wave wave,
               double toFrequency = 0);
  std::vector<std::int16_t> ToPcm() const;  // normalised to a safe peak
};

double NoteFrequency(int midiNote);

}  // namespace demo
