// What a clip's worker asks of a decoder. The FFmpeg decoder (video_decoder.h) lives in
// a module of its own that the program loads on its first clip (video_module.h), so the
// program itself never links the media libraries: this interface is all it sees.
#pragma once

#include <cstdint>
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
  // The time of the first frame of this frame's pass: the clip's sound starts over there.
  std::int64_t passStartMs = 0;
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

// Interleaved signed 16-bit samples at this rate and channel count.
struct SoundFormat {
  int rate = 44100;
  int channels = 2;
};

// Bumped whenever VideoSource, VideoFrame or VideoLimits change: a program refuses a
// module built against another layout of them.
constexpr int kVideoModuleAbi = 1;

class VideoSource {
 public:
  virtual ~VideoSource() = default;
  virtual bool OpenFile(const std::string& path) = 0;
  virtual bool OpenMemory(std::vector<std::uint8_t> bytes) = 0;
  virtual bool NextFrame(VideoFrame& out) = 0;
  virtual bool Rewind() = 0;
  virtual bool hardware() const = 0;
  virtual const std::string& error() const = 0;
  // The opened clip's sound track, converted to `format`, at most its first maxMs.
  // False when it has none or it cannot be read; frame decoding is not disturbed.
  virtual bool DecodeSound(const SoundFormat& format, std::int64_t maxMs,
                           std::vector<std::int16_t>& samples) = 0;
};

}  // namespace platform
