// Video clips decoded with FFmpeg's libraries into BGRA frames with presentation times.
// This is the synchronous half: open a container (a file or bytes in memory), pick its
// best video stream, decode frame after frame, go back to the start for the next pass.
// VideoClip (video_clip.h) runs it on a worker thread. No input can crash it or make it
// hold an unbounded amount of memory: absurd frame sizes are refused before decoding.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/video_source.h"

namespace platform {

// The error of a frame whose conversion wrote past the memory given to it (a fault of the
// media libraries at hand; the clip is given up rather than trusted).
inline constexpr std::string_view kConversionOverrun = "conversion d'image hors limites";

class VideoDecoder final : public VideoSource {
 public:
  // `stop` (optional) is polled inside every blocking read, so a reader stuck in a slow
  // or huge container gives up as soon as it is set.
  explicit VideoDecoder(const std::atomic<bool>* stop = nullptr, VideoLimits limits = {});
  ~VideoDecoder() override;
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  // False with error() set when the container cannot be read, has no video stream, no
  // decoder for it or a frame size above the limits.
  bool OpenFile(const std::string& path) override;
  bool OpenMemory(std::vector<std::uint8_t> bytes) override;

  // The next frame of the current pass; false at the end of the pass or on an error
  // (error() then says why; at a clean end it stays empty).
  bool NextFrame(VideoFrame& out) override;
  // Goes back to the start; the next pass's times follow the last pass's without a gap.
  // False when the container cannot seek (error() says so).
  bool Rewind() override;

  int width() const;   // size of the decoded frames, once open
  int height() const;
  bool hardware() const override;  // frames come from VA-API
  const std::string& error() const override;
  bool DecodeSound(const SoundFormat& format, std::int64_t maxMs,
                   std::vector<std::int16_t>& samples) override;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

}  // namespace platform
