#include "render/video_snap.h"

#include <memory>
#include <set>
#include <string>

#include "platform/debug_log.h"
#include "platform/video_clip.h"
#include "render/display.h"
#include "render/layout.h"
#include "render/picture_loading.h"
#include "render/render_sources.h"
#include "render/render_state.h"
#include "render/texture_table.h"

namespace {

// While the clip opens or its decoder is behind, the next look comes this soon.
constexpr std::uint32_t kPollMs = 5;

struct VideoSnap {
  bool resting = false;  // a selection waits for its rest
  std::uint32_t selectedAt = 0;
  std::unique_ptr<platform::VideoClip> clip;
  std::string path;
  bool shown = false;          // a frame of the clip is in the Snap object
  std::uint32_t startTick = 0; // the tick of the clip's time 0
  int snapshotSlot = 0;        // what the Snap object showed before the clip
  platform::VideoFrame frame;  // reused for every frame taken
  std::set<std::string> badFiles;  // reported once, not tried again
};

VideoSnap gVideo;

bool Reached(std::uint32_t now, std::uint32_t due) { return static_cast<std::int32_t>(now - due) >= 0; }

void StopClip() {
  gVideo.clip.reset();
  LayoutObject& snap = gRender.layout.objects[kSnap];
  if (snap.textureSlot == kSlotVideoSnap) snap.textureSlot = gVideo.snapshotSlot;
  gVideo.shown = false;
}

// One line in the log per file that cannot be shown; the snapshot stays.
void GiveUp() {
  if (gVideo.badFiles.insert(gVideo.path).second) {
    platform::WriteLog("Vid\xE9o illisible : " + gVideo.path + " (" + gVideo.clip->error() + ")", 1, 1);
  }
  gVideo.clip.reset();
}

void StartClip() {
  gVideo.resting = false;
  const RenderSources& r = gRender.sources;
  const int count = GameCount();
  if (!gRender.layout.objects[kSnap].visible || r.videoDir.empty() || count <= 0) return;
  const ListPosition where = CurrentListPosition();
  const int position = ((where.topIndex + where.row) % count + count) % count;
  std::string path = FindGameMedia(r.videoDir, GameAt(position), kClipExtensions);
  if (path.empty() || gVideo.badFiles.count(path)) return;
  gVideo.path = std::move(path);
  gVideo.clip = platform::VideoClip::Play(gVideo.path);
}

bool Show(const platform::VideoFrame& frame) {
  platform::Device* device = CurrentDevice();
  TextureSlot* slot = SlotAt(kSlotVideoSnap);
  if (!device || !slot) return false;
  if (!slot->texture || slot->texture.Width() != frame.width || slot->texture.Height() != frame.height)
    slot->texture = device->CreateStreamingTexture(frame.width, frame.height, nullptr);
  if (!slot->texture || !device->StreamTexture(slot->texture, frame.bgra)) return false;
  // The source size decides the fit, as a snapshot's does.
  slot->width = frame.sourceWidth;
  slot->height = frame.sourceHeight;
  slot->source = gVideo.path;
  LayoutObject& snap = gRender.layout.objects[kSnap];
  if (!gVideo.shown) {
    gVideo.snapshotSlot = snap.textureSlot;
    snap.textureSlot = kSlotVideoSnap;
    gVideo.shown = true;
  }
  return true;
}

}  // namespace

void VideoSnapSelectionChanged(std::uint32_t now) {
  StopClip();
  gVideo.resting = true;
  gVideo.selectedAt = now;
}

bool VideoSnapStep(std::uint32_t now) {
  if (gVideo.resting && Reached(now, gVideo.selectedAt + kVideoRestMs)) StartClip();
  if (!gVideo.clip) return false;
  platform::VideoClip& clip = *gVideo.clip;
  if (!gVideo.shown) {
    // The first frame starts the clip's time, whatever its own time says.
    if (const auto first = clip.NextFrameTime()) {
      if (!clip.TakeDueFrame(*first, gVideo.frame)) return false;
      gVideo.startTick = now - static_cast<std::uint32_t>(*first);
      return Show(gVideo.frame);
    }
    if (clip.failed()) GiveUp();
    return false;
  }
  if (clip.TakeDueFrame(static_cast<std::int64_t>(now - gVideo.startTick), gVideo.frame)) return Show(gVideo.frame);
  // A clip that cannot go on keeps its last frame.
  if (clip.failed() && !clip.NextFrameTime()) GiveUp();
  return false;
}

std::optional<std::uint32_t> VideoSnapDeadline(std::uint32_t now) {
  if (gVideo.resting) return gVideo.selectedAt + kVideoRestMs;
  if (!gVideo.clip) return std::nullopt;
  if (gVideo.shown)
    if (const auto next = gVideo.clip->NextFrameTime()) return gVideo.startTick + static_cast<std::uint32_t>(*next);
  return now + kPollMs;
}

bool VideoSnapShown() { return gVideo.shown && gVideo.clip != nullptr; }

void StopVideoSnap() {
  StopClip();
  gVideo.resting = false;
}
