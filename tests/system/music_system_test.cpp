// Music and sounds of the real program, heard through SDL's disk audio driver: the
// frontend's whole output is written to a file, whose tones tell what played when.
#include "frontend_fixture.h"
#include "platform/wav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 44100;           // the mixer's output: 16-bit stereo at 44.1 kHz
constexpr int kWindow = kRate / 20;    // 50 ms
constexpr int kLowHz = 330, kHighHz = 880, kIntroHz = 2000;

enum class Tone { Silence, Low, High, Intro };

// The tone of each 50 ms of the left channel, by its zero crossings.
std::vector<Tone> Tones(const std::string& raw) {
  std::vector<Tone> out;
  const std::size_t frames = raw.size() / 4;
  for (std::size_t start = 0; start + kWindow <= frames; start += kWindow) {
    int crossings = 0, peak = 0;
    std::int16_t previous = 0;
    for (std::size_t i = start; i < start + kWindow; ++i) {
      std::int16_t s;
      std::memcpy(&s, raw.data() + i * 4, 2);
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      if ((s >= 0) != (previous >= 0)) ++crossings;
      previous = s;
    }
    const int hz = crossings * 10;  // two crossings per period, 20 windows a second
    if (peak < 500) out.push_back(Tone::Silence);
    else if (hz > 1500) out.push_back(Tone::Intro);
    else if (hz > 600) out.push_back(Tone::High);
    else out.push_back(Tone::Low);
  }
  // The first few milliseconds of a decoded track ring: a tone shorter than 150 ms counts
  // as a transition, not as a sound.
  for (std::size_t i = 0; i < out.size();) {
    std::size_t j = i;
    while (j < out.size() && out[j] == out[i]) ++j;
    if (j - i < 3) std::fill(out.begin() + i, out.begin() + j, Tone::Silence);
    i = j;
  }
  return out;
}

// "intro x6, silence x40, low x30, ..." for the failure messages.
std::string Summary(const std::vector<Tone>& tones) {
  static const char* names[] = {"silence", "low", "high", "intro"};
  std::string out;
  for (std::size_t i = 0; i < tones.size();) {
    std::size_t j = i;
    while (j < tones.size() && tones[j] == tones[i]) ++j;
    out += std::string(out.empty() ? "" : ", ") + names[static_cast<int>(tones[i])] + " x" + std::to_string(j - i);
    i = j;
  }
  return out;
}

std::string ToneWav(int hz, int ms) {
  return platform::MakeWav16(platform::SquareWave(hz, ms, 22050, 12000), 22050, 1);
}

}  // namespace

TEST(MusicSystemTest, IntroThenMusicAndTheNextMusicKeyChangesTrackWithinASecond) {
  for (const char* tool : {"Xvfb", "xdotool", "lame"}) {
    if (!systest::HasProgram(tool)) GTEST_SKIP() << tool << " missing (scripts/install-deps.sh installs it)";
  }
  systest::XServer server;
  ASSERT_TRUE(server.Start());
  systest::Installation inst;
  inst.Write("config/Orvanel.ini", "[General]\r\nLastEmu=demo\r\nModeFenetre=OUI\r\nLargFen=640\r\nHautFen=480\r\n");
  inst.Write("config/demo/config.ini",
             "[Config]\r\nTemplateDir=Etoiles\r\nMusicFond=.\\Music\r\nMusicVolume=1000\r\nSons=YES\r\n");
  std::filesystem::create_directories(inst / "Templates/Etoiles");
  std::filesystem::copy_file(ORV_SOURCE_DIR "/demo/Templates/Etoiles/Layout.cfg", inst / "Templates/Etoiles/Layout.cfg",
                             std::filesystem::copy_options::overwrite_existing);
  inst.Write("Sound/Intro.wav", ToneWav(kIntroHz, 300));
  std::filesystem::create_directories(inst / "Music");
  for (auto [name, hz] : {std::pair{"low", kLowHz}, std::pair{"high", kHighHz}}) {
    const std::string wav = inst.Write(std::string("tmp/") + name + ".wav", ToneWav(hz, 20000));
    const std::string mp3 = inst / (std::string("Music/") + name + ".mp3");
    ASSERT_EQ(std::system(("lame --quiet '" + wav + "' '" + mp3 + "'").c_str()), 0);
  }

  const std::string audio = inst / "audio.raw";
  const pid_t pid = systest::Spawn({inst.program()},
                                   {"DISPLAY=" + server.display(), "SDL_VIDEODRIVER=x11", "ORVANEL_MESSAGES=log",
                                    "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + audio, inst.CacheVariable()},
                                   "/");
  ASSERT_GT(pid, 0);
  std::string id;
  for (int i = 0; i < 200 && id.empty(); ++i) {
    id = systest::Capture("DISPLAY=" + server.display() + " xdotool search --onlyvisible --name '^Orvanel$' 2>/dev/null");
    if (id.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  id = id.substr(0, id.find('\n'));
  if (id.empty()) {
    ::kill(pid, SIGKILL);
    systest::WaitExit(pid, 5000);
    FAIL() << "no main window; log:\n" << inst.Read("debug.txt");
  }
  // What the program has played so far, as the sound device received it: each step below
  // waits for it (however slowly a loaded machine plays), never for a guessed time.
  const auto heard = [&](const std::function<bool(const std::vector<Tone>&)>& enough) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < end) {
      if (enough(Tones(inst.Read("audio.raw")))) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
  };
  const auto isMusic = [](Tone t) { return t == Tone::Low || t == Tone::High; };
  // The first track starts about three seconds after the start; press R (NextZicKey) in it.
  EXPECT_TRUE(heard([&](const std::vector<Tone>& t) { return std::find_if(t.begin(), t.end(), isMusic) != t.end(); }))
      << "no music";
  std::system(("DISPLAY=" + server.display() + " xdotool key --window " + id + " r").c_str());
  // ... and enough of it written to judge (more than five seconds in all).
  EXPECT_TRUE(heard([&](const std::vector<Tone>& t) {
    const auto first = std::find_if(t.begin(), t.end(), isMusic);
    if (first == t.end() || t.size() <= 120) return false;
    const Tone firstTone = *first;
    return std::find_if(first, t.end(), [&](Tone x) { return isMusic(x) && x != firstTone; }) != t.end();
  })) << "no other track after the next-music key";
  std::system(("DISPLAY=" + server.display() + " " ORV_BINARY_DIR "/tools/close_window/close_window " + id).c_str());
  const auto code = systest::WaitExit(pid, 10000);
  if (!code) ::kill(pid, SIGKILL);
  ASSERT_EQ(code.value_or(-1), 0);

  const std::vector<Tone> tones = Tones(inst.Read("audio.raw"));
  SCOPED_TRACE("50 ms windows: " + Summary(tones));
  ASSERT_GT(tones.size(), 100u) << "hardly any audio written";
  // The Intro sound opens the output.
  const auto intro = std::find(tones.begin(), tones.end(), Tone::Intro);
  ASSERT_NE(intro, tones.end());
  EXPECT_LT(intro - tones.begin(), 40) << "Intro later than two seconds after the audio opened";

  // Then one track, cut by the key (tracks last 20 s), and the other after at most ~1 s.
  const auto firstMusic = std::find_if(intro, tones.end(), [](Tone t) { return t == Tone::Low || t == Tone::High; });
  ASSERT_NE(firstMusic, tones.end()) << "no music";
  const Tone first = *firstMusic;
  const Tone second = first == Tone::Low ? Tone::High : Tone::Low;
  const auto firstEnd = std::find_if(firstMusic, tones.end(), [&](Tone t) { return t != first; });
  ASSERT_NE(firstEnd, tones.end()) << "the first track was never stopped";
  const auto next = std::find_if(firstEnd, tones.end(), [](Tone t) { return t == Tone::Low || t == Tone::High; });
  ASSERT_NE(next, tones.end()) << "no music after the next-music key";
  EXPECT_EQ(*next, second) << "the same track again";
  EXPECT_LE(next - firstEnd, 24) << "more than 1.2 s of silence between the tracks";
}
