// A clip's sound in the Snap object (VideoSon): it plays with the pictures and lowers the
// music, which comes back when the selection moves on; without the flag or without a
// sound track nothing changes for the music.
#include "render_fixture.h"

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/wav.h"
#include "render/video_snap.h"
#include "video_clips.h"

#include <chrono>
#include <thread>

namespace {

class VideoSound : public render_test::RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    ASSERT_TRUE(platform::OpenAudio()) << "the dummy driver should open";
    WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nSnap_visible=YES\nSnap_width=100\nSnap_height=100");
    AddGame("alpha", "Alpha");
    dir.Write("Videos/readme.txt", "");
    gRender.sources.videoDir = dir / "Videos";
  }
  void TearDown() override {
    StopVideoSnap();
    platform::CloseAudio();
    RenderFixture::TearDown();
  }
  // Steps the clip as the main loop does until `done` or a few seconds have passed.
  template <typename Done>
  bool StepUntil(Done done, std::uint32_t timeoutMs = 5000) {
    const std::uint32_t start = platform::GetTickCount();
    while (!done()) {
      if (platform::GetTickCount() - start > timeoutMs) return false;
      VideoSnapStep(platform::GetTickCount());
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }
};

TEST_F(VideoSound, TheClipsSoundPlaysUnderTheFlagAndLowersTheMusicUntilTheSelectionMoves) {
  const std::string music = dir.Write("music.wav", platform::MakeWav16(platform::SquareWave(220, 8000, 22050, 2000), 22050, 1));
  const struct {
    const char* what;
    bool flag;
    bool soundTrack;
    bool plays;
  } cases[] = {
      {"flag and sound track", true, true, true},
      {"no flag", false, true, false},
      {"no sound track", true, false, false},
  };
  Open(640, 480);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform::ClipRecipe recipe = ColourClip(32, 24, 25);
    if (c.soundTrack) recipe.sound = platform::SquareWave(440, 1000, 22050, 3000);
    std::string error;
    ASSERT_TRUE(platform::WriteClipFile(dir / "Videos/alpha.mkv", recipe, &error)) << error;
    gRender.sources.videoSound = c.flag;
    ASSERT_TRUE(platform::MusicPlayFile(music, 1000));
    ASSERT_EQ(platform::MusicVolumeForTests(), 128);
    LoadSelectionMedia();
    ASSERT_TRUE(StepUntil([] { return VideoSnapShown(); }));
    if (c.plays) {
      ASSERT_TRUE(StepUntil([] { return platform::ClipSoundPlaying(); }));
      EXPECT_EQ(platform::MusicVolumeForTests(), 32);
    } else {
      StepUntil([] { return platform::ClipSoundPlaying(); }, 600);  // gives it a fair chance
      EXPECT_FALSE(platform::ClipSoundPlaying());
      EXPECT_EQ(platform::MusicVolumeForTests(), 128);
    }
    VideoSnapSelectionChanged(platform::GetTickCount());
    EXPECT_FALSE(platform::ClipSoundPlaying());
    EXPECT_EQ(platform::MusicVolumeForTests(), 128);
    platform::MusicClose();
  }
}

}  // namespace
