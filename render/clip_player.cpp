#include "render/clip_player.h"

#include <set>

#include "platform/debug_log.h"
#include "platform/text.h"
#include "platform/video_module.h"
#include "render/display.h"
#include "render/media_files.h"
#include "render/render_state.h"
#include "render/texture_table.h"

namespace render {

namespace {

// While the clip opens or its decoder is behind, the next look comes this soon.
constexpr std::uint32_t kPollMs = 5;

struct Unplayable {
  std::set<std::string> files;  // reported once, not tried again
  bool moduleReported = false;  // the decoder module is missing: said once
};

Unplayable gUnplayable;

// One line in the log per file that cannot be shown. Without the decoder module no clip
// can be shown: one line says so, and no clip is tried again.
void Report(const std::string& path, const std::string& error) {
  if (platform::VideoModuleMissing()) {
    if (!gUnplayable.moduleReported) platform::WriteLog("Vid\xC3\xA9os d\xC3\xA9sactiv\xC3\xA9" "es : " + error, 1, 1);
    gUnplayable.moduleReported = true;
  } else if (gUnplayable.files.insert(path).second) {
    platform::WriteLog("Vid\xC3\xA9o illisible : " + path + " (" + error + ")", 1, 1);
  }
}

}  // namespace

bool ClipPlayer::Play(const std::string& path, std::optional<platform::SoundFormat> sound, std::int64_t maxPixels) {
  Stop();
  if (platform::VideoModuleMissing() || gUnplayable.files.count(path)) return false;
  path_ = path;
  platform::VideoLimits limits;
  if (maxPixels > 0) limits.maxOutputPixels = std::min(limits.maxOutputPixels, maxPixels);
  clip_ = platform::VideoClip::Play(path, limits, sound);
  return true;
}

void ClipPlayer::Stop() {
  clip_.reset();
  shown_ = false;
}

ClipPlayer::Step ClipPlayer::GiveUp() {
  Report(path_, clip_->error());
  clip_.reset();
  return Step::Failed;
}

bool ClipPlayer::Upload(RenderState& rs) {
  platform::Device* device = CurrentDevice(rs);
  TextureSlot* slot = SlotAt(rs.textures, slot_);
  if (!device || !slot) return false;
  if (!slot->texture || slot->texture.Width() != frame_.width || slot->texture.Height() != frame_.height)
    slot->texture = device->CreateStreamingTexture(frame_.width, frame_.height, nullptr);
  if (!slot->texture || !device->StreamTexture(slot->texture, frame_.bgra)) return false;
  // The source size decides the fit, as a picture's does.
  slot->width = frame_.sourceWidth;
  slot->height = frame_.sourceHeight;
  slot->source = path_;
  slot->fromPicture = slot->released = false;
  shown_ = true;
  return true;
}

ClipPlayer::Step ClipPlayer::Advance(RenderState& rs, std::uint32_t now) {
  if (!clip_) return Step::None;
  platform::VideoClip& clip = *clip_;
  if (!shown_) {
    // The first frame starts the clip's time, whatever its own time says.
    if (const auto first = clip.NextFrameTime()) {
      if (!clip.TakeDueFrame(*first, frame_)) return Step::None;
      startTick_ = now - static_cast<std::uint32_t>(*first);
      return Upload(rs) ? Step::Frame : Step::None;
    }
    return clip.failed() ? GiveUp() : Step::None;
  }
  if (clip.TakeDueFrame(static_cast<std::int64_t>(now - startTick_), frame_)) return Upload(rs) ? Step::Frame : Step::None;
  return clip.failed() && !clip.NextFrameTime() ? GiveUp() : Step::None;
}

std::optional<std::uint32_t> ClipPlayer::Deadline(std::uint32_t now) const {
  if (!clip_) return std::nullopt;
  if (shown_)
    if (const auto next = clip_->NextFrameTime()) return startTick_ + static_cast<std::uint32_t>(*next);
  return now + kPollMs;
}

bool IsClipFile(const std::string& path) {
  std::string_view rest = kClipExtensions;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    if (platform::EndsWithNoCase(path, "." + std::string(rest.substr(0, end)))) return true;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return false;
}

}  // namespace render
