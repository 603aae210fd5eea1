#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/wav.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

std::string Tone(int ms, int frequency = 440) {
  return platform::MakeWav16(platform::SquareWave(frequency, ms, 22050, 3000), 22050, 1);
}

std::uint32_t Elapsed(std::uint32_t since) { return platform::GetTickCount() - since; }

bool WaitUntil(auto condition, int timeoutMs) {
  const std::uint32_t start = platform::GetTickCount();
  while (!condition()) {
    if (Elapsed(start) > static_cast<std::uint32_t>(timeoutMs)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::OpenAudio()) << "the dummy driver should open"; }
  void TearDown() override { platform::CloseAudio(); }
  TempDir dir;
};

}  // namespace

TEST(Wav, HeaderAndSquareWave) {
  const auto samples = platform::SquareWave(1000, 10, 8000, 100);
  ASSERT_EQ(samples.size(), 80u);
  // 1000 Hz at 8000 Hz: four samples high, four low.
  EXPECT_EQ(samples[0], 100);
  EXPECT_EQ(samples[3], 100);
  EXPECT_EQ(samples[4], -100);
  EXPECT_EQ(samples[8], 100);
  const std::string wav = platform::MakeWav16(samples, 8000, 1);
  ASSERT_EQ(wav.size(), 44u + 160u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(static_cast<unsigned char>(wav[4]), (36 + 160) & 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(wav[40]), 160);
  EXPECT_TRUE(platform::SquareWave(0, 10, 8000, 1).empty());
  EXPECT_TRUE(platform::SquareWave(440, -1, 8000, 1).empty());
}

TEST_F(AudioTest, MusicPlaysOnceThenReportsStopped) {
  const std::string file = dir.Write("track.wav", Tone(250));
  ASSERT_TRUE(platform::MusicPlayFile(file, 300));
  EXPECT_TRUE(platform::MusicIsOpen());
  EXPECT_FALSE(platform::MusicIsStopped());
  EXPECT_TRUE(WaitUntil([] { return platform::MusicIsStopped(); }, 3000));
  EXPECT_TRUE(platform::MusicIsOpen());  // ended, not closed
  platform::MusicClose();
  EXPECT_FALSE(platform::MusicIsOpen());
  EXPECT_FALSE(platform::MusicIsStopped());
}

TEST_F(AudioTest, TheDeviceIsLetGoForAGameAndThePausedMusicComesBackWithIt) {
  ASSERT_TRUE(platform::MusicPlayFile(dir.Write("t.wav", Tone(1500)), 500));
  platform::MusicPause(true);  // what a launch does first
  platform::SuspendAudio();
  EXPECT_TRUE(platform::AudioSuspended());
  EXPECT_FALSE(platform::MusicIsOpen());
  EXPECT_EQ(platform::MusicVolumeForTests(), 0) << "the device is closed";
  platform::ResumeAudio();
  EXPECT_FALSE(platform::AudioSuspended());
  ASSERT_TRUE(platform::MusicIsOpen());
  EXPECT_EQ(platform::MusicVolumeForTests(), 500 * 128 / 1000);
  EXPECT_FALSE(platform::MusicIsStopped());  // still paused, not ended
  platform::MusicPause(false);
  EXPECT_TRUE(WaitUntil([] { return platform::MusicIsStopped(); }, 4000));
  // Nothing to give back when nothing was taken.
  platform::ResumeAudio();
  EXPECT_TRUE(platform::MusicIsStopped());
}

TEST_F(AudioTest, PausedMusicIsNotStoppedAndStopEndsIt) {
  ASSERT_TRUE(platform::MusicPlayFile(dir.Write("t.wav", Tone(300)), 300));
  platform::MusicPause(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_FALSE(platform::MusicIsStopped());
  platform::MusicPause(false);
  EXPECT_FALSE(platform::MusicIsStopped());
  platform::MusicStop();
  EXPECT_TRUE(platform::MusicIsStopped());
  platform::MusicPause(true);  // pausing a stopped track keeps it stopped
  EXPECT_TRUE(platform::MusicIsStopped());
}

TEST_F(AudioTest, VolumeMapsLinearlyOntoTheMixerRange) {
  ASSERT_TRUE(platform::MusicPlayFile(dir.Write("t.wav", Tone(400)), 5000));
  EXPECT_EQ(platform::MusicVolumeForTests(), 128);
  platform::MusicSetVolume(1000);
  EXPECT_EQ(platform::MusicVolumeForTests(), 128);
  platform::MusicSetVolume(500);
  EXPECT_EQ(platform::MusicVolumeForTests(), 64);
  platform::MusicSetVolume(300);
  EXPECT_EQ(platform::MusicVolumeForTests(), 38);
  platform::MusicSetVolume(0);
  EXPECT_EQ(platform::MusicVolumeForTests(), 0);
  ASSERT_TRUE(platform::MusicPlayFile(dir.Write("u.wav", Tone(400)), 250));
  EXPECT_EQ(platform::MusicVolumeForTests(), 32);
}

TEST_F(AudioTest, UnreadableMusicGivesNone) {
  EXPECT_FALSE(platform::MusicPlayFile(dir / "missing.mp3", 300));
  EXPECT_FALSE(platform::MusicPlayFile(dir.Write("junk.mp3", std::string(100, '\x01')), 300));
  EXPECT_FALSE(platform::MusicIsOpen());
  EXPECT_FALSE(platform::MusicIsStopped());
}

TEST_F(AudioTest, SoundIsSkippedWhileTheChannelPlaysAndWaitBlocks) {
  platform::SoundClip first(Tone(300));
  platform::SoundClip second(Tone(100, 880));
  ASSERT_TRUE(platform::PlaySoundClip(first, false));
  EXPECT_TRUE(platform::SoundChannelBusy());
  EXPECT_FALSE(platform::PlaySoundClip(second, false));  // never cuts off the first
  ASSERT_TRUE(WaitUntil([] { return !platform::SoundChannelBusy(); }, 3000));

  const std::uint32_t start = platform::GetTickCount();
  ASSERT_TRUE(platform::PlaySoundClip(first, true));
  EXPECT_GE(Elapsed(start), 250u);
  EXPECT_FALSE(platform::SoundChannelBusy());

  platform::SoundClip broken(std::string("RIFF....not a wave"));
  EXPECT_FALSE(platform::PlaySoundClip(broken, false));
  platform::SoundClip empty{std::string()};
  EXPECT_FALSE(platform::PlaySoundClip(empty, true));
}

TEST_F(AudioTest, ClipsSurviveAReopenedDevice) {
  platform::SoundClip clip(Tone(50));
  ASSERT_TRUE(platform::PlaySoundClip(clip, true));
  platform::CloseAudio();
  ASSERT_TRUE(platform::OpenAudio());
  EXPECT_TRUE(platform::PlaySoundClip(clip, true));
}

TEST_F(AudioTest, BeepReturnsWhenItHasPlayed) {
  const std::uint32_t start = platform::GetTickCount();
  platform::Beep(500, 200);
  EXPECT_GE(Elapsed(start), 180u);
  platform::Beep(0, 200);
  platform::Beep(500, 0);
}

TEST(AudioSilent, NoDeviceMeansSilenceLoggedOnce) {
  TempDir dir;
  const std::string oldLogDir = platform::LogDirectory();
  platform::SetLogDirectory(dir.path());
  platform::CloseAudio();
  const char* old = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = old ? old : "";
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);

  EXPECT_FALSE(platform::OpenAudio());
  EXPECT_TRUE(platform::AudioIsSilent());
  EXPECT_FALSE(platform::OpenAudio());
  EXPECT_FALSE(platform::MusicPlayFile(dir.Write("t.wav", Tone(100)), 300));
  platform::SoundClip clip(Tone(100));
  EXPECT_FALSE(platform::PlaySoundClip(clip, true));
  EXPECT_FALSE(platform::SoundChannelBusy());
  platform::Beep(500, 100);
  platform::MusicSetVolume(100);
  platform::MusicPause(true);
  platform::MusicStop();

  const std::string log = dir.Read("debug.txt");
  EXPECT_NE(log.find("audio"), std::string::npos) << log;
  EXPECT_EQ(log.find("audio"), log.rfind("audio")) << "logged more than once: " << log;

  platform::CloseAudio();
  if (old) ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1); else ::unsetenv("SDL_AUDIODRIVER");
  platform::SetLogDirectory(oldLogDir);
}

TEST_F(AudioTest, AtExitEverythingFallsSilentAtOnce) {
  ASSERT_TRUE(platform::MusicPlayFile(dir.Write("track.wav", Tone(5000)), 300));
  platform::SoundClip clip(Tone(5000));
  ASSERT_TRUE(platform::PlaySoundClip(clip, false));
  platform::SilenceAudioForExit();
  EXPECT_FALSE(platform::MusicIsOpen());
  EXPECT_FALSE(platform::SoundChannelBusy());
}
