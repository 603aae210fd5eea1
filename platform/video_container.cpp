#include "platform/video_container.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace platform::av {
namespace {

// Only the containers of the clip extensions we look up: a file of another kind is
// refused at once rather than probed by every demuxer of the library.
constexpr const char* kContainers = "mov,mp4,m4a,3gp,3g2,mj2,matroska,webm,avi,flv";
constexpr int kIoBufferSize = 64 * 1024;
// No allocation of the libraries may exceed this: a damaged header that announces a huge
// table or frame is refused instead of taking the machine's memory.
constexpr std::size_t kMaxAllocation = std::size_t(64) << 20;

}  // namespace

std::string ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

void QuietLibraries() {
  static std::once_flag once;
  std::call_once(once, [] {
    av_log_set_level(AV_LOG_QUIET);
    av_max_alloc(kMaxAllocation);
  });
}

Input::~Input() {
  avformat_close_input(&format);
  if (io_) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

std::string Input::Open(const std::string& path, const std::vector<std::uint8_t>* memory) {
  QuietLibraries();
  if (memory) {
    memory_ = memory;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
    if (buffer) io_ = avio_alloc_context(buffer, kIoBufferSize, 0, this, &ReadMemory, nullptr, &SeekMemory);
    if (!io_) {
      av_free(buffer);
      return "mémoire insuffisante";
    }
  }
  format = avformat_alloc_context();
  if (!format) return "mémoire insuffisante";
  format->interrupt_callback = {&Input::Interrupt, this};
  format->format_whitelist = av_strdup(kContainers);
  if (io_) {
    format->pb = io_;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
  }
  int r = avformat_open_input(&format, memory ? "" : path.c_str(), nullptr, nullptr);
  if (r < 0) return "conteneur illisible (" + ErrorText(r) + ")";
  r = avformat_find_stream_info(format, nullptr);
  if (r < 0) return "conteneur illisible (" + ErrorText(r) + ")";
  return {};
}

int Input::Interrupt(void* opaque) { return static_cast<Input*>(opaque)->Stopped() ? 1 : 0; }

int Input::ReadMemory(void* opaque, std::uint8_t* buf, int size) {
  auto* in = static_cast<Input*>(opaque);
  std::size_t left = in->memory_->size() - in->memoryPos_;
  if (left == 0) return AVERROR_EOF;
  std::size_t n = std::min<std::size_t>(left, std::size_t(size));
  std::memcpy(buf, in->memory_->data() + in->memoryPos_, n);
  in->memoryPos_ += n;
  return int(n);
}

std::int64_t Input::SeekMemory(void* opaque, std::int64_t offset, int whence) {
  auto* in = static_cast<Input*>(opaque);
  auto size = std::int64_t(in->memory_->size());
  if (whence & AVSEEK_SIZE) return size;
  std::int64_t base = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = std::int64_t(in->memoryPos_); break;
    case SEEK_END: base = size; break;
    default: return AVERROR(EINVAL);
  }
  if (offset > size - base || offset < -base) return AVERROR(EINVAL);
  in->memoryPos_ = std::size_t(base + offset);
  return std::int64_t(in->memoryPos_);
}

}  // namespace platform::av
