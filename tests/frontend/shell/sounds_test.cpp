#include "frontend/shell/sounds.h"
#include "frontend/shell/shell_state.h"

#include "audio_fixture.h"

#include <gtest/gtest.h>

using shell::FreeSounds;
using shell::LoadFileToMemory;
using shell::LoadSounds;
using shell::PlayMemorySound;
using shell::PlayQuitSound;
using shell::PlaySound;
using shell::ResetShellState;
using shell::SoundBlock;
using shell::SoundId;
using shell::gShell;
using shell::kSoundGameLaunch;
using shell::kSoundIntro;
using shell::kSoundNavigate;
using shell::kSoundQuit;

namespace {

class SoundsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetShellState(); }
  void TearDown() override {
    ResetShellState();
    platform::CloseAudio();
  }
  const std::string& Bytes(SoundId id) { return gShell.sounds.slot[id]->bytes(); }
  TempDir dir;
};

}  // namespace

TEST_F(SoundsTest, ConfigurationDirectoryWinsOverSoundDirectory) {
  dir.Write("Sound/Navigate.wav", ToneWav(50, 440));
  dir.Write("Sound/Intro.wav", ToneWav(50, 220));
  dir.Write("Sound/Quit.wav", ToneWav(50, 330));
  dir.Write("config/Arcade/navigate.WAV", ToneWav(60, 880));
  dir.Write("config/Consoles/config.ini", "[Config]\r\n");

  LoadSounds(gShell.sounds, true, dir.path(), "arcade");
  ASSERT_TRUE(gShell.sounds.slot[kSoundNavigate]);
  EXPECT_EQ(Bytes(kSoundNavigate), dir.Read("config/Arcade/navigate.WAV"));
  EXPECT_EQ(Bytes(kSoundIntro), dir.Read("Sound/Intro.wav"));
  EXPECT_EQ(Bytes(kSoundQuit), dir.Read("Sound/Quit.wav"));
  EXPECT_FALSE(gShell.sounds.slot[kSoundGameLaunch]) << "no GameLaunch.wav anywhere: silent";

  LoadSounds(gShell.sounds, true, dir.path(), "Consoles");
  EXPECT_EQ(Bytes(kSoundNavigate), dir.Read("Sound/Navigate.wav"));
}

TEST_F(SoundsTest, DisabledSoundsKeepThoseInMemory) {
  dir.Write("config/A/Navigate.wav", ToneWav(50, 880));
  dir.Write("Sound/Navigate.wav", ToneWav(50, 440));
  LoadSounds(gShell.sounds, true, dir.path(), "A");
  LoadSounds(gShell.sounds, false, dir.path(), "B");
  ASSERT_TRUE(gShell.sounds.slot[kSoundNavigate]);
  EXPECT_EQ(Bytes(kSoundNavigate), dir.Read("config/A/Navigate.wav"));
  FreeSounds(gShell.sounds);
  for (const auto& slot : gShell.sounds.slot) EXPECT_FALSE(slot);
}

TEST_F(SoundsTest, LoadFileToMemoryRefusesEmptyAndMissingFiles) {
  EXPECT_FALSE(LoadFileToMemory(""));
  EXPECT_FALSE(LoadFileToMemory(dir / "missing.wav"));
  EXPECT_FALSE(LoadFileToMemory(dir.Write("empty.wav", "")));
  EXPECT_FALSE(LoadFileToMemory(dir.path()));  // a directory is no file
  SoundBlock b = LoadFileToMemory(dir.Write("x.wav", std::string("RIFF\0\x01", 6)));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->bytes(), std::string("RIFF\0\x01", 6));
  // Binary junk loads but plays as nothing, without harm.
  EXPECT_FALSE(PlayMemorySound(b.get(), 1));
  EXPECT_FALSE(PlayMemorySound(nullptr, 1));
}

TEST_F(SoundsTest, ASoundPlayingIsNeverCutOff) {
  dir.Write("Sound/Navigate.wav", ToneWav(400, 440));
  dir.Write("Sound/GameLaunch.wav", ToneWav(100, 880));
  LoadSounds(gShell.sounds, true, dir.path(), "none");
  ASSERT_TRUE(PlaySound(gShell.sounds, kSoundNavigate, 0));
  EXPECT_FALSE(PlaySound(gShell.sounds, kSoundGameLaunch, 0)) << "the launch key while Navigate plays";
  EXPECT_FALSE(PlaySound(gShell.sounds, kSoundGameLaunch, 1));
  ASSERT_TRUE(WaitForSoundChannel());
  EXPECT_TRUE(PlaySound(gShell.sounds, kSoundGameLaunch, 0));
  EXPECT_FALSE(PlaySound(gShell.sounds, kSoundIntro, 0)) << "no Intro.wav: silent";
}

TEST_F(SoundsTest, QuitSoundIsWaitedForOnlyWithoutTransitions) {
  dir.Write("Sound/Quit.wav", ToneWav(300, 440));
  LoadSounds(gShell.sounds, true, dir.path(), "none");
  std::uint32_t start = platform::GetTickCount();
  PlayQuitSound(gShell.sounds, true);
  EXPECT_LT(platform::GetTickCount() - start, 200u);
  ASSERT_TRUE(WaitForSoundChannel());
  start = platform::GetTickCount();
  PlayQuitSound(gShell.sounds, false);
  EXPECT_GE(platform::GetTickCount() - start, 250u);
  EXPECT_FALSE(platform::SoundChannelBusy());
}
