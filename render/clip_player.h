// A clip played in real time into a texture slot: the Snap object's clip and the slide
// show's. The slot keeps its picture until the first frame is ready; that frame starts
// the clip's clock, and from then on the newest due frame replaces the one shown. Files
// that cannot be played are reported once and not tried again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/video_clip.h"

namespace render {

struct RenderState;

class ClipPlayer {
 public:
  explicit ClipPlayer(int slot) : slot_(slot) {}

  // Starts `path` in place of any clip playing; false (nothing started) for a file
  // already found unplayable or when no clip can play at all. maxPixels > 0: frames are
  // scaled down to at most that many pixels (the area they are drawn in).
  bool Play(const std::string& path, std::optional<platform::SoundFormat> sound = {}, std::int64_t maxPixels = 0);
  void Stop();

  enum class Step { None, Frame, Failed };
  // Frame: a newer frame is in the slot. Failed: the clip cannot go on (it is stopped
  // and reported; a frame already shown stays in the slot).
  Step Advance(RenderState& rs, std::uint32_t now);
  // When Advance has something to do next; nothing while no clip plays.
  std::optional<std::uint32_t> Deadline(std::uint32_t now) const;

  bool playing() const { return clip_ != nullptr; }
  bool shown() const { return clip_ && shown_; }  // a frame of the playing clip is in the slot
  const platform::VideoFrame& frame() const { return frame_; }
  platform::VideoClip* clip() const { return clip_.get(); }

 private:
  Step GiveUp();
  bool Upload(RenderState& rs);

  int slot_;
  std::unique_ptr<platform::VideoClip> clip_;
  std::string path_;
  bool shown_ = false;
  std::uint32_t startTick_ = 0;  // the tick of the clip's time 0
  platform::VideoFrame frame_;   // reused for every frame taken
};

// A file name with one of kClipExtensions, in any letter case.
bool IsClipFile(const std::string& path);

}  // namespace render
