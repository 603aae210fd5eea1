// The container reading shared by the clip's picture and sound decoders (inside the
// video module only): a file or bytes in memory, opened with the demuxers of the clip
// extensions we look up, every blocking read giving up once `stop` is set.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace platform::av {

std::string ErrorText(int code);
// FFmpeg's own messages would go to stderr for every bad clip (the caller logs one line),
// and no allocation of the libraries may exceed a bound a real clip never needs.
void QuietLibraries();

class Input {
 public:
  explicit Input(const std::atomic<bool>* stop) : stop_(stop) {}
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // Opens `path`, or `memory` when given (it must outlive the input), and probes its
  // streams. Empty on success, else why not.
  std::string Open(const std::string& path, const std::vector<std::uint8_t>* memory);
  bool Stopped() const { return stop_ && stop_->load(std::memory_order_relaxed); }

  AVFormatContext* format = nullptr;

 private:
  static int Interrupt(void* opaque);
  static int ReadMemory(void* opaque, std::uint8_t* buf, int size);
  static std::int64_t SeekMemory(void* opaque, std::int64_t offset, int whence);

  const std::atomic<bool>* stop_;
  const std::vector<std::uint8_t>* memory_ = nullptr;
  std::size_t memoryPos_ = 0;
  AVIOContext* io_ = nullptr;
};

}  // namespace platform::av
