// Clips in the drawing: the Snap object's clip with its sound (VideoSon), which lowers the
// music until the selection moves on; and clips among the slides of the slide show.
#include "render_fixture.h"

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/wav.h"
#include "render/clip_player.h"
#include "render/screen.h"
#include "render/slide_clip.h"
#include "render/video_snap.h"
#include "video_clips.h"

#include <chrono>
#include <set>
#include <thread>
#include <utility>

using render::DrawFrame;
using render::LoadSelectionMedia;
using render::SlideClipDeadline;
using render::SlideClipStep;
using render::StopSlideClip;
using render::StopVideoSnap;
using render::VideoSnapSelectionChanged;
using render::VideoSnapShown;
using render::VideoSnapStep;

namespace {

// Steps a clip as the main loop does until `done` or the time is out.
template <typename Done>
bool StepUntil(render::RenderState& state, Done done, std::uint32_t timeoutMs = 5000) {
  const std::uint32_t start = platform::GetTickCount();
  while (!done()) {
    if (platform::GetTickCount() - start > timeoutMs) return false;
    VideoSnapStep(state, platform::GetTickCount());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class VideoSound : public render_test::RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    ASSERT_TRUE(platform::OpenAudio()) << "the dummy driver should open";
    WriteLayout("RESOLUTIONX=640\nRESOLUTIONY=480\nSnap_visible=YES\nSnap_width=100\nSnap_height=100");
    AddGame("alpha", "Alpha");
    dir.Write("Videos/readme.txt", "");
    state.sources.videoDir = dir / "Videos";
  }
  void TearDown() override {
    StopVideoSnap(state);
    platform::CloseAudio();
    RenderFixture::TearDown();
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
    state.sources.videoSound = c.flag;
    ASSERT_TRUE(platform::MusicPlayFile(music, 1000));
    ASSERT_EQ(platform::MusicVolumeForTests(), 128);
    LoadSelectionMedia(state);
    ASSERT_TRUE(StepUntil(state, [] { return VideoSnapShown(); }));
    if (c.plays) {
      ASSERT_TRUE(StepUntil(state, [] { return platform::ClipSoundPlaying(); }));
      EXPECT_EQ(platform::MusicVolumeForTests(), 32);
    } else {
      StepUntil(state, [] { return platform::ClipSoundPlaying(); }, 600);  // gives it a fair chance
      EXPECT_FALSE(platform::ClipSoundPlaying());
      EXPECT_EQ(platform::MusicVolumeForTests(), 128);
    }
    VideoSnapSelectionChanged(state, platform::GetTickCount());
    EXPECT_FALSE(platform::ClipSoundPlaying());
    EXPECT_EQ(platform::MusicVolumeForTests(), 128);
    platform::MusicClose();
  }
}

// A clip among the slides fades in with its first frame and moves; an unplayable one keeps
// the slide before it; the end of the show stops the clip.
class SlideClips : public render_test::RenderFixture {
 protected:
  void TearDown() override {
    StopSlideClip();
    state.sources.pickSlide = {};
    RenderFixture::TearDown();
  }
};

TEST_F(SlideClips, ClipSlidesMoveAndAnUnplayableOneKeepsTheSlideBefore) {
  WriteLayout("RESOLUTIONX=320\nRESOLUTIONY=240");
  WritePng("slides/a.png", render_test::Solid(32, 24, 0xFF00FF00));
  ASSERT_TRUE(platform::WriteClipFile(dir / "slides/b.mkv", ColourClip(32, 24, 10, 5)));
  dir.Write("slides/c.mp4", std::string(3000, 'z'));
  std::string offer = dir / "slides/a.png";
  state.sources.pickSlide = [&] { return std::exchange(offer, std::string()); };
  Open(320, 240);
  state.screen.slideShowActive = true;
  auto settle = [&] {
    for (int i = 0; i < 20; ++i) ASSERT_EQ(DrawFrame(state, 0), 1);  // past the cross-fade
  };
  settle();
  EXPECT_PIXEL(Screen(160, 120), 0x00FF00);

  offer = dir / "slides/b.mkv";
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_PIXEL(Screen(160, 120), 0x00FF00);  // until the clip's first frame
  const std::uint32_t start = platform::GetTickCount();
  std::set<std::uint32_t> reds;
  while (platform::GetTickCount() - start < 1500) {
    if (SlideClipStep(state, platform::GetTickCount())) {
      settle();
      const std::uint32_t p = Screen(160, 120);
      EXPECT_NEAR(int((p >> 8) & 255), 128, 12);
      reds.insert(((p >> 16) & 255) / 25);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_GE(reds.size(), 3u);  // the slide moves

  offer = dir / "slides/c.mp4";
  ASSERT_EQ(DrawFrame(state, 0), 1);
  const std::uint32_t last = Screen(160, 120);
  const std::uint32_t again = platform::GetTickCount();
  while (platform::GetTickCount() - again < 500) {
    EXPECT_FALSE(SlideClipStep(state, platform::GetTickCount()));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  settle();
  EXPECT_PIXEL(Screen(160, 120), last);
  EXPECT_NE(platform::ReadWholeFile(dir / "debug.txt").value_or("").find("c.mp4"), std::string::npos);

  offer = dir / "slides/b.mkv";
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_TRUE(SlideClipDeadline(platform::GetTickCount()));
  state.screen.slideShowActive = false;
  ASSERT_EQ(DrawFrame(state, 0), 1);
  EXPECT_FALSE(SlideClipDeadline(platform::GetTickCount()));
}

}  // namespace
