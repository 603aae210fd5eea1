#include "render/video_snap.h"

#include <memory>
#include <string>

#include "platform/audio.h"
#include "render/clip_player.h"
#include "render/layout.h"
#include "render/picture_size.h"
#include "render/media_files.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/texture_table.h"

namespace render {

namespace {

struct VideoSnap {
  bool resting = false;  // a selection waits for its rest
  std::uint32_t selectedAt = 0;
  ClipPlayer player{kSlotVideoSnap};
  bool inSnap = false;   // the Snap object shows the clip's slot
  int snapshotSlot = 0;  // what the Snap object showed before the clip
  // The clip's sound (VideoSon) once decoded, and the pass it was started for.
  std::shared_ptr<const std::vector<std::int16_t>> sound;
  std::int64_t soundPass = -1;
};

VideoSnap gVideo;

bool Reached(std::uint32_t now, std::uint32_t due) { return static_cast<std::int32_t>(now - due) >= 0; }

void StopSound() {
  if (gVideo.sound) platform::StopClipSound();  // the music comes back
  gVideo.sound.reset();
  gVideo.soundPass = -1;
}

void StopClip(RenderState& rs) {
  StopSound();
  gVideo.player.Stop();
  LayoutObject& snap = rs.layout.objects[kSnap];
  if (gVideo.inSnap && snap.textureSlot == kSlotVideoSnap) snap.textureSlot = gVideo.snapshotSlot;
  gVideo.inSnap = false;
}

void StartClip(RenderState& rs) {
  gVideo.resting = false;
  const RenderSources& r = rs.sources;
  const int count = GameCount(rs.sources);
  if (!rs.layout.objects[kSnap].visible || r.videoDir.empty() || count <= 0) return;
  const ListPosition where = CurrentListPosition(rs.sources);
  const int position = ((where.topIndex + where.row) % count + count) % count;
  const std::string path = FindGameMedia(r.videoDir, GameAt(rs.sources, position), kClipExtensions);
  if (path.empty()) return;
  std::optional<platform::SoundFormat> sound;
  if (r.videoSound) sound = platform::DeviceSoundFormat();
  gVideo.player.Play(path, sound, SlotClipPixels(rs, kSlotVideoSnap));
}

// The sound starts over with every pass of the pictures, so the two never drift apart;
// a sound decoded while a pass plays joins it where the pictures are.
void FollowWithSound(const platform::VideoFrame& frame) {
  if (!gVideo.sound) gVideo.sound = gVideo.player.clip()->sound();
  if (!gVideo.sound || gVideo.soundPass == frame.passStartMs) return;
  gVideo.soundPass = frame.passStartMs;
  platform::PlayClipSound(gVideo.sound, frame.ptsMs - frame.passStartMs);
}

}  // namespace

void VideoSnapSelectionChanged(RenderState& rs, std::uint32_t now) {
  StopClip(rs);
  gVideo.resting = true;
  gVideo.selectedAt = now;
}

bool VideoSnapStep(RenderState& rs, std::uint32_t now) {
  if (gVideo.resting && Reached(now, gVideo.selectedAt + kVideoRestMs)) StartClip(rs);
  switch (gVideo.player.Advance(rs, now)) {
    case ClipPlayer::Step::Frame: {
      FollowWithSound(gVideo.player.frame());
      LayoutObject& snap = rs.layout.objects[kSnap];
      if (!gVideo.inSnap) {
        gVideo.snapshotSlot = snap.textureSlot;
        snap.textureSlot = kSlotVideoSnap;
        gVideo.inSnap = true;
      }
      return true;
    }
    case ClipPlayer::Step::Failed:
      // The snapshot, or a clip's last frame, stays; the sound stops.
      StopSound();
      return false;
    case ClipPlayer::Step::None:
      return false;
  }
  return false;
}

std::optional<std::uint32_t> VideoSnapDeadline(std::uint32_t now) {
  if (gVideo.resting) return gVideo.selectedAt + kVideoRestMs;
  return gVideo.player.Deadline(now);
}

bool VideoSnapShown() { return gVideo.player.shown(); }

void StopVideoSnap(RenderState& rs) {
  StopClip(rs);
  gVideo.resting = false;
}

}  // namespace render
