#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "platform/video_clip.h"
#include "platform/video_decoder.h"
#include "platform/video_module.h"
#include "platform/video_writer.h"
#include "platform/wav.h"
#include "temp_dir.h"
#include "video_clips.h"

namespace {

using platform::VideoClip;
using platform::VideoDecoder;
using platform::VideoFrame;

// Decoding is lossy: a frame's colour is compared with a tolerance.
void ExpectFrameOfIndex(const VideoFrame& f, int index) {
  ASSERT_FALSE(f.bgra.empty());
  std::size_t mid = (std::size_t(f.height / 2) * f.width + f.width / 2) * 4;
  EXPECT_NEAR(f.bgra[mid + 2], ClipFrameRed(index), 12) << "frame " << index;
  EXPECT_NEAR(f.bgra[mid + 1], 128, 12);
  EXPECT_NEAR(f.bgra[mid], 64, 12);
  EXPECT_EQ(f.bgra[mid + 3], 255);
}

// Waits (without asserting a time) until the clip hands a frame due at clipMs, or fails.
bool WaitForFrame(VideoClip& clip, std::int64_t clipMs, VideoFrame& out) {
  for (int i = 0; i < 2000; ++i) {
    if (clip.TakeDueFrame(clipMs, out)) return true;
    if (clip.failed() && !clip.NextFrameTime()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

std::string WaitForFailure(VideoClip& clip) {
  for (int i = 0; i < 2000 && !clip.failed(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return clip.error();
}

class VideoContainers : public ::testing::TestWithParam<const char*> {};

// Every pass starts where the last one ended: frames stay 40 ms apart across the seam.
TEST_P(VideoContainers, DecodesEveryFrameAndLoopsWithoutAGap) {
  VideoDecoder decoder;
  ASSERT_TRUE(decoder.OpenMemory(ColourClipBytes(GetParam(), 5))) << decoder.error();
  EXPECT_EQ(decoder.width(), 64);
  EXPECT_EQ(decoder.height(), 48);
  VideoFrame f;
  std::vector<std::int64_t> times;
  for (int pass = 0; pass < 3; ++pass) {
    int index = 0;
    while (decoder.NextFrame(f)) {
      ExpectFrameOfIndex(f, index++);
      times.push_back(f.ptsMs);
    }
    EXPECT_EQ(decoder.error(), "");
    EXPECT_EQ(index, 5) << "pass " << pass;
    ASSERT_TRUE(decoder.Rewind()) << decoder.error();
  }
  ASSERT_EQ(times.size(), 15u);
  for (std::size_t i = 0; i < times.size(); ++i) {
    EXPECT_NEAR(double(times[i]), 40.0 * double(i), 1.0) << "frame " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Video, VideoContainers, ::testing::Values("mp4", "mkv", "avi", "flv"));

TEST(VideoDecoder, OpensAFileByItsPath) {
  TempDir dir;
  std::string path = dir / "game.mkv";
  ASSERT_TRUE(platform::WriteClipFile(path, ColourClip(32, 16, 3)));
  VideoDecoder decoder;
  ASSERT_TRUE(decoder.OpenFile(path)) << decoder.error();
  VideoFrame f;
  ASSERT_TRUE(decoder.NextFrame(f));
  EXPECT_EQ(f.width, 32);
  EXPECT_EQ(f.height, 16);
  EXPECT_EQ(f.ptsMs, 0);
  ExpectFrameOfIndex(f, 0);
}

// Frames above the output budget are scaled down with their aspect kept; a frame size
// above the limits is refused before a frame is decoded.
TEST(VideoDecoder, FrameSizeLimits) {
  platform::VideoLimits small;
  small.maxOutputPixels = 32 * 24;
  VideoDecoder scaled(nullptr, small);
  ASSERT_TRUE(scaled.OpenMemory(ColourClipBytes("mkv", 2, 64, 48)));
  VideoFrame f;
  ASSERT_TRUE(scaled.NextFrame(f));
  EXPECT_EQ(f.width, 32);
  EXPECT_EQ(f.height, 24);
  EXPECT_EQ(f.bgra.size(), 32u * 24 * 4);
  EXPECT_EQ(f.sourceWidth, 64);
  EXPECT_EQ(f.sourceHeight, 48);

  platform::VideoLimits tight;
  tight.maxSide = 64;
  VideoDecoder refused(nullptr, tight);
  EXPECT_FALSE(refused.OpenMemory(ColourClipBytes("mkv", 2, 96, 48)));
  EXPECT_EQ(refused.error(), "taille d'image refusée 96x48");
  EXPECT_FALSE(refused.NextFrame(f));
}

// libswscale's SIMD converters store whole blocks of pixels, and a row of these widths ends
// inside one: every frame must still come whole, and the decoder fails a frame whose
// conversion wrote past the memory it was given (a guard region checked after each frame).
// Scaled down too, as the fuzzer's limits do: another converter, other odd widths.
TEST(VideoDecoder, OddFrameSizesComeWholeInEveryContainer) {
  const struct {
    int width, height;
    std::int64_t maxOutputPixels;
    int outWidth, outHeight;
  } sizes[] = {{426, 240, 1920 * 1080, 426, 240}, {383, 224, 1920 * 1080, 383, 224},
               {127, 96, 1920 * 1080, 127, 96},   {1, 8, 1920 * 1080, 1, 8},
               {426, 240, 128 * 128, 170, 96},    {383, 224, 100 * 100, 130, 76}};
  for (const auto& s : sizes) {
    for (const char* container : {"mp4", "mkv", "flv"}) {
      const std::string what = std::to_string(s.width) + "x" + std::to_string(s.height) + " " + container +
                               " into " + std::to_string(s.outWidth);
      platform::VideoLimits limits;
      limits.maxOutputPixels = s.maxOutputPixels;
      VideoDecoder decoder(nullptr, limits);
      ASSERT_TRUE(decoder.OpenMemory(ColourClipBytes(container, 3, s.width, s.height))) << what << decoder.error();
      VideoFrame f;
      int index = 0;
      for (int pass = 0; pass < 2; ++pass) {
        while (decoder.NextFrame(f)) {
          ASSERT_EQ(std::make_tuple(f.width, f.height, f.bgra.size()),
                    std::make_tuple(s.outWidth, s.outHeight, std::size_t(s.outWidth) * s.outHeight * 4))
              << what;
          ExpectFrameOfIndex(f, index++ % 3);
        }
        ASSERT_TRUE(decoder.Rewind()) << what << decoder.error();
      }
      EXPECT_EQ(decoder.error(), "") << what;
      EXPECT_EQ(index, 6) << what;
    }
  }
}

TEST(VideoClip, FirstFrameThenTheNewestDueFrame) {
  auto clip = VideoClip::PlayMemory(ColourClipBytes("mp4", 10));
  VideoFrame f;
  ASSERT_TRUE(WaitForFrame(*clip, 0, f)) << clip->error();
  EXPECT_EQ(f.ptsMs, 0);
  ExpectFrameOfIndex(f, 0);
  // Nothing new is due before the second frame's time.
  EXPECT_FALSE(clip->TakeDueFrame(39, f));
  // Frames 1 and 2 are both due at 95 ms: only the newest is handed, the other dropped.
  // Both must be decoded first; on a loaded machine the worker may still be on frame 2.
  for (int i = 0; i < 2000 && clip->QueuedFrames() < 2 && !clip->failed(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_TRUE(WaitForFrame(*clip, 95, f));
  EXPECT_EQ(f.ptsMs, 80);
  ExpectFrameOfIndex(f, 2);
  EXPECT_FALSE(clip->failed());
}

TEST(VideoClip, LoopsPastTheEndOfTheClip) {
  auto clip = VideoClip::PlayMemory(ColourClipBytes("mkv", 4));
  VideoFrame f;
  std::vector<std::int64_t> seen;
  for (std::int64_t t = 0; t < 4 * 160 + 1; t += 40) {
    ASSERT_TRUE(WaitForFrame(*clip, t, f)) << "at " << t << ": " << clip->error();
    seen.push_back(f.ptsMs);
    ExpectFrameOfIndex(f, int((t / 40) % 4));
  }
  EXPECT_EQ(seen.back(), 640);
  EXPECT_FALSE(clip->failed());
}

// Destroying a clip must not wait for the clip: not while it opens, not while it
// decodes, not while its queue is full and nobody takes frames.
TEST(VideoClip, StopsAtOnceWhateverTheDecoderIsDoing) {
  auto big = ColourClipBytes("mkv", 60, 640, 480);
  ASSERT_FALSE(big.empty());
  for (int wait_ms : {0, 1, 3, 10, 30, 200}) {
    auto clip = VideoClip::PlayMemory(big);
    std::this_thread::sleep_for(std::chrono::milliseconds(wait_ms));
    clip.reset();  // joins the worker; a hang here fails the test by its time-out
  }
  // Switching from clip to clip mid-decode, as a player holding Down does.
  std::unique_ptr<VideoClip> clip;
  VideoFrame f;
  for (int i = 0; i < 20; ++i) {
    clip = VideoClip::PlayMemory(big);
    if (i % 4 == 0) {
      ASSERT_TRUE(WaitForFrame(*clip, 0, f));
    }
  }
  EXPECT_LE(VideoClip::kQueuedFrames, 4u);
}

struct BadClip {
  const char* name;
  std::vector<std::uint8_t> bytes;
  platform::VideoLimits limits;
  const char* error;  // the start of the reason given
};

std::vector<BadClip> BadClips() {
  std::vector<BadClip> cases;
  auto mp4 = ColourClipBytes("mp4", 10);
  mp4.resize(mp4.size() / 2);  // the index of an MP4 is at its end: cut, no track is known
  cases.push_back({"truncated mp4", mp4, {}, "pas de piste vidéo"});
  std::vector<std::uint8_t> noise(20000);
  std::mt19937 random(7);
  for (auto& b : noise) b = std::uint8_t(random());
  cases.push_back({"random bytes", noise, {}, "conteneur illisible"});
  cases.push_back({"empty", {}, {}, "conteneur illisible"});
  platform::ClipRecipe soundOnly;
  soundOnly.video = false;
  soundOnly.sound.assign(22050, 1000);
  cases.push_back({"no video stream", *platform::EncodeClip(soundOnly, "mkv"), {},
                   "pas de piste vidéo"});
  platform::VideoLimits tight;
  tight.maxPixels = 64 * 48 - 1;
  cases.push_back({"frame too large", ColourClipBytes("mkv", 2), tight,
                   "taille d'image refusée 64x48"});
  return cases;
}

TEST(VideoClip, UnplayableInputFailsWithAReasonAndNoFrame) {
  for (auto& c : BadClips()) {
    SCOPED_TRACE(c.name);
    auto clip = VideoClip::PlayMemory(c.bytes, c.limits);
    std::string error = WaitForFailure(*clip);
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    VideoFrame f;
    EXPECT_FALSE(clip->TakeDueFrame(1000000, f));
  }
  auto missing = VideoClip::Play("/nonexistent/orvanel/clip.mp4");
  EXPECT_EQ(WaitForFailure(*missing).rfind("conteneur illisible", 0), 0u);
}

// A Matroska file cut short keeps the frames before the cut, and they loop.
TEST(VideoClip, ACutMatroskaFilePlaysWhatItHas) {
  auto mkv = ColourClipBytes("mkv", 10, 64, 48);
  mkv.resize(mkv.size() * 6 / 10);
  auto clip = VideoClip::PlayMemory(mkv);
  VideoFrame f;
  ASSERT_TRUE(WaitForFrame(*clip, 0, f)) << clip->error();
  ExpectFrameOfIndex(f, 0);
  std::int64_t last = 0;
  for (std::int64_t t = 40; t < 1000; t += 40) {
    if (!WaitForFrame(*clip, t, f)) break;
    EXPECT_GT(f.ptsMs, last);
    last = f.ptsMs;
  }
  EXPECT_GT(last, 400) << "the kept frames loop past the clip's length";
}

}  // namespace

// Only the decoder module of this build is taken; anything else at its place means "no clips".
TEST(VideoModule, OnlyTheDecoderModuleOfThisBuildIsTaken) {
  TempDir dir;
  const struct {
    const char* what;
    std::string path;
    bool usable;
  } cases[] = {
      {"the module", std::string(ORV_BINARY_DIR) + "/liborvanel-video.so", true},
      {"no file", dir / "liborvanel-video.so", false},
      {"not a library", dir.Write("text.so", "\x7F" "ELF but no more"), false},
      {"another library", std::string(ORV_BINARY_DIR) + "/liborvanel.so", false},
  };
  for (const auto& c : cases) {
    const platform::VideoModule m = platform::LoadVideoModule(c.path);
    EXPECT_EQ(m.make != nullptr, c.usable) << c.what;
    EXPECT_EQ(m.error.empty(), c.usable) << c.what << ": " << m.error;
  }
}

// The sound track comes whole, converted to the device's format, cut at the length asked.
TEST(VideoSoundTrack, ConvertedToTheFormatAskedAndCutAtItsLength) {
  platform::ClipRecipe withSound = ColourClip(32, 24, 10);
  withSound.sound = platform::SquareWave(440, 1000, 22050, 3000);
  const struct {
    const char* what;
    platform::ClipRecipe recipe;
    platform::SoundFormat format;
    std::int64_t maxMs;
    std::int64_t expectMs;  // 0: no sound
  } cases[] = {
      {"stereo 44.1 kHz", withSound, {44100, 2}, 60'000, 1000},
      {"mono 22.05 kHz", withSound, {22050, 1}, 60'000, 1000},
      {"cut", withSound, {48000, 2}, 250, 250},
      {"no sound track", ColourClip(32, 24, 10), {44100, 2}, 60'000, 0},
  };
  for (const auto& c : cases) {
    VideoDecoder decoder;
    ASSERT_TRUE(decoder.OpenMemory(*platform::EncodeClip(c.recipe, "mkv"))) << c.what;
    std::vector<std::int16_t> pcm;
    EXPECT_EQ(decoder.DecodeSound(c.format, c.maxMs, pcm), c.expectMs > 0) << c.what;
    const double ms = double(pcm.size()) / c.format.channels * 1000.0 / c.format.rate;
    EXPECT_NEAR(ms, double(c.expectMs), 25.0) << c.what;
    if (c.expectMs) {
      EXPECT_EQ(pcm.size() % c.format.channels, 0u) << c.what;
      EXPECT_NEAR(*std::max_element(pcm.begin(), pcm.end()), 3000, 600) << c.what;
    }
    // The pictures are not disturbed.
    VideoFrame f;
    EXPECT_TRUE(decoder.NextFrame(f)) << c.what;
  }
}
