#include "render/slide_clip.h"

#include "render/clip_player.h"
#include "render/texture_table.h"

namespace render {

namespace {

struct SlideClip {
  ClipPlayer player{kSlotSlide};
  bool arrived = false;  // the first frame is in the slot, not yet faded in
};

SlideClip gSlideClip;

}  // namespace

bool StartSlideClip(const std::string& path) {
  gSlideClip.arrived = false;
  return gSlideClip.player.Play(path);
}

bool SlideClipStep(RenderState& rs, std::uint32_t now) {
  const bool first = !gSlideClip.player.shown();
  if (gSlideClip.player.Advance(rs, now) != ClipPlayer::Step::Frame) return false;
  if (first) gSlideClip.arrived = true;
  return true;
}

std::optional<std::uint32_t> SlideClipDeadline(std::uint32_t now) { return gSlideClip.player.Deadline(now); }

bool TakeSlideClipArrival() {
  const bool arrived = gSlideClip.arrived;
  gSlideClip.arrived = false;
  return arrived;
}

void StopSlideClip() {
  gSlideClip.player.Stop();
  gSlideClip.arrived = false;
}

}  // namespace render
