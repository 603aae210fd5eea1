#include "platform/video_clip.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace platform {

struct VideoClip::Worker {
  std::atomic<bool> stop{false};
  mutable std::mutex mutex;
  std::condition_variable room;
  std::deque<VideoFrame> queue;
  std::vector<VideoFrame> spare;  // buffers handed back, reused for the next frames
  bool failed = false;
  bool hardware = false;
  std::string error;
  std::thread thread;

  void Run(VideoDecoder& decoder, bool opened) {
    if (!opened) return Finish(decoder.error());
    {
      std::lock_guard lock(mutex);
      hardware = decoder.hardware();
    }
    VideoFrame frame;
    for (;;) {
      if (!WaitForRoom(frame)) return;
      if (decoder.NextFrame(frame)) {
        std::lock_guard lock(mutex);
        queue.push_back(std::move(frame));
        frame = VideoFrame{};
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

  void Finish(const std::string& why) {
    std::lock_guard lock(mutex);
    failed = true;
    error = why.empty() ? "aucune image décodable" : why;
  }
};

VideoClip::VideoClip() : w_(std::make_unique<Worker>()) {}

std::unique_ptr<VideoClip> VideoClip::Launch(std::function<bool(VideoDecoder&)> open,
                                             VideoLimits limits) {
  std::unique_ptr<VideoClip> clip(new VideoClip());
  Worker* w = clip->w_.get();
  w->thread = std::thread([w, limits, open = std::move(open)] {
    VideoDecoder decoder(&w->stop, limits);
    bool opened = open(decoder);
    w->Run(decoder, opened);
  });
  return clip;
}

std::unique_ptr<VideoClip> VideoClip::Play(const std::string& path, VideoLimits limits) {
  return Launch([path](VideoDecoder& d) { return d.OpenFile(path); }, limits);
}

std::unique_ptr<VideoClip> VideoClip::PlayMemory(std::vector<std::uint8_t> bytes,
                                                 VideoLimits limits) {
  auto shared = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
  return Launch([shared](VideoDecoder& d) { return d.OpenMemory(std::move(*shared)); }, limits);
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

bool VideoClip::failed() const {
  std::lock_guard lock(w_->mutex);
  return w_->failed;
}

std::string VideoClip::error() const {
  std::lock_guard lock(w_->mutex);
  return w_->error;
}

bool VideoClip::hardware() const {
  std::lock_guard lock(w_->mutex);
  return w_->hardware;
}

}  // namespace platform
