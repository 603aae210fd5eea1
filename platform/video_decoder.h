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
#include <vector>

namespace platform {

struct VideoFrame {
  int width = 0;
  int height = 0;
  // B, G, R, A bytes, row-major, no padding: the display's own pixel order, so a frame
  // goes into a texture without a conversion.
  std::vector<std::uint8_t> bgra;
  std::int64_t ptsMs = 0;  // presentation time from the start of the first pass
  int sourceWidth = 0;     // the clip's own frame size, before any scaling down
  int sourceHeight = 0;
};

struct VideoLimits {
  int maxSide = 8192;
  std::int64_t maxPixels = std::int64_t(4096) * 2304;
  // Frames are scaled down (aspect kept) to at most this many pixels: a snapshot area
  // never needs more, and it bounds the queue's memory.
  std::int64_t maxOutputPixels = std::int64_t(1920) * 1080;
};

class VideoDecoder {
 public:
  // `stop` (optional) is polled inside every blocking read, so a reader stuck in a slow
  // or huge container gives up as soon as it is set.
  explicit VideoDecoder(const std::atomic<bool>* stop = nullptr, VideoLimits limits = {});
  ~VideoDecoder();
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  // False with error() set when the container cannot be read, has no video stream, no
  // decoder for it or a frame size above the limits.
  bool OpenFile(const std::string& path);
  bool OpenMemory(std::vector<std::uint8_t> bytes);

  // The next frame of the current pass; false at the end of the pass or on an error
  // (error() then says why; at a clean end it stays empty).
  bool NextFrame(VideoFrame& out);
  // Goes back to the start; the next pass's times follow the last pass's without a gap.
  // False when the container cannot seek (error() says so).
  bool Rewind();

  int width() const;   // size of the decoded frames, once open
  int height() const;
  bool hardware() const;  // frames come from VA-API
  const std::string& error() const;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

}  // namespace platform
