// demo_sounds sounds <dir>          Intro.wav, Navigate.wav, GameLaunch.wav, Quit.wav
// demo_sounds music <dir> <count>   Track1.wav ... : short chiptune loops (the demo
//                                   script turns them into .mp3 files)
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/wav.h"
#include "synth.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using demo::Buffer;
using demo::NoteFrequency;
using demo::Wave;

namespace {

bool Save(const std::string& dir, const std::string& name, const Buffer& b) {
  const std::string path = platform::JoinPath(dir, name);
  if (!platform::WriteFileAtomically(path, platform::MakeWav16(b.ToPcm(), demo::kRate, 1))) {
    std::fprintf(stderr, "demo_sounds: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

bool MakeSounds(const std::string& dir) {
  Buffer intro(1.2);
  const int rising[] = {60, 64, 67, 72, 76};
  for (int i = 0; i < 5; ++i) intro.AddNote(i * 0.12, 0.5, NoteFrequency(rising[i]), 0.3, Wave::Triangle);
  intro.AddNote(0.6, 0.6, NoteFrequency(84), 0.2, Wave::Sine);

  Buffer navigate(0.06);
  navigate.AddNote(0, 0.06, 1400, 0.5, Wave::Square);

  Buffer launch(0.7);
  launch.AddNote(0, 0.5, 300, 0.4, Wave::Square, 1500);
  launch.AddNote(0.45, 0.25, NoteFrequency(84), 0.3, Wave::Triangle);

  Buffer quit(0.9);
  const int falling[] = {72, 67, 64, 60};
  for (int i = 0; i < 4; ++i) quit.AddNote(i * 0.15, 0.35, NoteFrequency(falling[i]), 0.35, Wave::Triangle);

  return Save(dir, "Intro.wav", intro) && Save(dir, "Navigate.wav", navigate) &&
         Save(dir, "GameLaunch.wav", launch) && Save(dir, "Quit.wav", quit);
}

// A 16-bar loop on a pentatonic scale: bass on the beat, a melody drawn from a small
// linear congruential generator so each track differs and every run gives the same.
Buffer Track(int index) {
  const double beat = 0.25 + 0.03 * index;
  const int bars = 16;
  Buffer b(bars * 4 * beat + 0.5);
  const int scale[] = {0, 2, 4, 7, 9, 12, 14, 16};
  const int roots[] = {48, 53, 55, 50};
  std::uint32_t seed = 12345u + 977u * static_cast<std::uint32_t>(index);
  auto next = [&seed] { seed = seed * 1103515245u + 12345u; return (seed >> 16) & 0x7FFF; };
  int step = 3;
  for (int bar = 0; bar < bars; ++bar) {
    const int root = roots[(bar / 2 + index) % 4];
    for (int q = 0; q < 4; ++q) {
      const double t = (bar * 4 + q) * beat;
      b.AddNote(t, beat * 0.9, NoteFrequency(root - 12), 0.35, Wave::Triangle);
      for (int half = 0; half < 2; ++half) {
        if (next() % 4 == 0) continue;  // a rest
        step = std::clamp(step + static_cast<int>(next() % 5) - 2, 0, 7);
        b.AddNote(t + half * beat / 2, beat * 0.45, NoteFrequency(root + 12 + scale[step]), 0.18,
                  index % 2 ? Wave::Square : Wave::Triangle);
      }
    }
  }
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "sounds" && argc == 3) return MakeSounds(argv[2]) ? 0 : 1;
  if (what == "music" && argc == 4) {
    const int count = std::atoi(argv[3]);
    for (int i = 1; i <= count; ++i) {
      if (!Save(argv[2], "Track" + std::to_string(i) + ".wav", Track(i))) return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "usage: demo_sounds sounds <dir> | demo_sounds music <dir> <count>\n");
  return 2;
}
