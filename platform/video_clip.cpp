#include "platform/video_clip.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/video_module.h"

namespace platform {
namespace {

// A clip's sound is kept whole in memory: up to a minute (10 MiB at 44.1 kHz stereo).
constexpr std::int64_t kMaxSoundMs = 60'000;

}  // namespace

struct VideoClip::Worker {
  std::atomic<bool> stop{false};
  mutable std::mutex mutex;
  std::condition_variable room;
  std::deque<VideoFrame> queue;
  std::vector<VideoFrame> spare;  // buffers handed back, reused for the next frames
  bool failed = false;
  bool hardware = false;
  std::string error;
  std::optional<SoundFormat> soundFormat;  // the sound is wanted in this format
  std::shared_ptr<const std::vector<std::int16_t>> sound;
  std::thread thread;

  void Run(VideoSource& decoder, bool opened) {
    if (!opened) return Finish(decoder.error());
    {
      std::lock_guard lock(mutex);
      hardware = decoder.hardware();
    }
    VideoFrame frame;
    for (;;) {
      if (!WaitForRoom(frame)) return;
      if (decoder.NextFrame(frame)) {
        {
          std::lock_guard lock(mutex);
          queue.push_back(std::move(frame));
        }
        frame = VideoFrame{};
        // The first frame goes out first; the sound follows it, decoded whole.
        if (soundFormat) DecodeSound(decoder);
        continue;
      }
      if (stop) return;
      if (!decoder.error().empty() || !decoder.Rewind()) return Finish(decoder.error());
    }
  }

  // Waits until the queue has room (or stop); takes a spare buffer for the next frame.
  bool WaitForRoom(VideoFrame& frame) {
    std::unique_lock lock(mutex);
    room.wait(lock, [&] { return stop || queue.size() < kQueuedFrames; });
    if (stop) return false;
    if (frame.bgra.empty() && !spare.empty()) {
      frame = std::move(spare.back());
      spare.pop_back();
    }
    return true;
  }

  void DecodeSound(VideoSource& decoder) {
    auto pcm = std::make_shared<std::vector<std::int16_t>>();
    const bool has = decoder.DecodeSound(*soundFormat, kMaxSoundMs, *pcm);
    std::lock_guard lock(mutex);
    soundFormat.reset();
    if (has) sound = std::move(pcm);
  }

  void Finish(const std::string& why) {
    std::lock_guard lock(mutex);
    failed = true;
    error = why.empty() ? "aucune image décodable" : why;
  }
};

VideoClip::VideoClip() : w_(std::make_unique<Worker>()) {}

std::unique_ptr<VideoClip> VideoClip::Launch(std::function<bool(VideoSource&)> open,
                                             VideoLimits limits, std::optional<SoundFormat> sound) {
  std::unique_ptr<VideoClip> clip(new VideoClip());
  Worker* w = clip->w_.get();
  w->soundFormat = sound;
  // The module is loaded here, off the main loop, on the first clip of the program.
  w->thread = std::thread([w, limits, open = std::move(open)] {
    std::unique_ptr<VideoSource> decoder = NewVideoSource(&w->stop, limits);
    if (!decoder) return w->Finish("module vid\xC3\xA9o indisponible (" + ProgramVideoModule().error + ")");
    bool opened = open(*decoder);
    w->Run(*decoder, opened);
  });
  return clip;
}

std::unique_ptr<VideoClip> VideoClip::Play(const std::string& path, VideoLimits limits,
                                           std::optional<SoundFormat> sound) {
  return Launch([path](VideoSource& d) { return d.OpenFile(path); }, limits, sound);
}

std::unique_ptr<VideoClip> VideoClip::PlayMemory(std::vector<std::uint8_t> bytes,
                                                 VideoLimits limits,
                                                 std::optional<SoundFormat> sound) {
  auto shared = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
  return Launch([shared](VideoSource& d) { return d.OpenMemory(std::move(*shared)); }, limits,
                sound);
}

VideoClip::~VideoClip() {
  {
    std::lock_guard lock(w_->mutex);
    w_->stop = true;
  }
  w_->room.notify_all();
  if (w_->thread.joinable()) w_->thread.join();
}

bool VideoClip::TakeDueFrame(std::int64_t clipMs, VideoFrame& out) {
  bool took = false;
  {
    std::lock_guard lock(w_->mutex);
    while (!w_->queue.empty() && w_->queue.front().ptsMs <= clipMs) {
      if (!out.bgra.empty()) w_->spare.push_back(std::move(out));
      out = std::move(w_->queue.front());
      w_->queue.pop_front();
      took = true;
    }
    while (w_->spare.size() > kQueuedFrames) w_->spare.pop_back();
  }
  if (took) w_->room.notify_one();
  return took;
}

std::optional<std::int64_t> VideoClip::NextFrameTime() const {
  std::lock_guard lock(w_->mutex);
  if (w_->queue.empty()) return std::nullopt;
  return w_->queue.front().ptsMs;
}

std::size_t VideoClip::QueuedFrames() const {
  std::lock_guard lock(w_->mutex);
  return w_->queue.size();
}

bool VideoClip::failed() const {
  std::lock_guard lock(w_->mutex);
  return w_->failed;
}

std::string VideoClip::error() const {
  std::lock_guard lock(w_->mutex);
  return w_->error;
}

std::shared_ptr<const std::vector<std::int16_t>> VideoClip::sound() const {
  std::lock_guard lock(w_->mutex);
  return w_->sound;
}

bool VideoClip::hardware() const {
  std::lock_guard lock(w_->mutex);
  return w_->hardware;
}

}  // namespace platform
