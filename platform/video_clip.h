// A clip playing on a worker thread: the decoder fills a queue of a few frames ahead of
// their presentation times and loops the clip without a gap; the caller takes the newest
// frame that is due. Destroying the clip stops it at once, whatever the decoder is doing
// (a read in progress is interrupted, a wait for queue room is woken).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/video_source.h"

namespace platform {

class VideoClip {
 public:
  // Starts opening and decoding at once; the calls below never wait for the decoder.
  // With a sound format, the clip's sound track is decoded too, once the first frame
  // is out (sound() hands it over). A program whose video module cannot be loaded
  // gets clips that fail at once (VideoModuleMissing() then says so).
  static std::unique_ptr<VideoClip> Play(const std::string& path, VideoLimits limits = {},
                                         std::optional<SoundFormat> sound = {});
  static std::unique_ptr<VideoClip> PlayMemory(std::vector<std::uint8_t> bytes,
                                               VideoLimits limits = {},
                                               std::optional<SoundFormat> sound = {});
  ~VideoClip();
  VideoClip(const VideoClip&) = delete;
  VideoClip& operator=(const VideoClip&) = delete;

  // Frames decoded ahead and waiting in the queue; never more than this.
  static constexpr std::size_t kQueuedFrames = 3;

  // The newest frame whose time has come at `clipMs` (milliseconds of playing, 0 = the
  // first frame); older due frames are dropped. False when none is due (yet).
  bool TakeDueFrame(std::int64_t clipMs, VideoFrame& out);
  // The time of the next frame waiting in the queue, if any.
  std::optional<std::int64_t> NextFrameTime() const;
  // How many decoded frames wait in the queue.
  std::size_t QueuedFrames() const;
  // The clip cannot be shown (or cannot go on): failed() with error() saying why.
  bool failed() const;
  std::string error() const;
  bool hardware() const;
  // The whole sound track in the format asked for, once decoded; nothing before that,
  // without sound asked for, or for a clip without a sound track.
  std::shared_ptr<const std::vector<std::int16_t>> sound() const;

 private:
  struct Worker;
  static std::unique_ptr<VideoClip> Launch(std::function<bool(VideoSource&)> open,
                                           VideoLimits limits, std::optional<SoundFormat> sound);
  VideoClip();
  std::unique_ptr<Worker> w_;
};

}  // namespace platform
