#include "platform/error_capture.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <span>
#include <thread>

#include "platform/output_pipe.h"

namespace platform {

struct ErrorCapture::Impl {
  OutputPipe pipe;
  std::mutex mutex;
  std::string tail;
  std::atomic<bool> stopping{false};
  std::chrono::steady_clock::time_point stopAt;
  std::thread reader;

  explicit Impl(OutputPipe p) : pipe(std::move(p)) {}

  void Keep(std::span<const char> bytes) {
    const std::lock_guard lock(mutex);
    tail.append(bytes.data(), bytes.size());
    if (tail.size() > kKeptBytes) tail.erase(0, tail.size() - kKeptBytes);
  }

  void Run() {
    std::array<char, 4096> buffer{};
    for (;;) {
      const OutputPipe::ReadResult r = pipe.Read(buffer, 50);
      if (r.status == OutputPipe::Status::kData) {
        const std::span<const char> bytes(buffer.data(), r.bytes);
        Keep(bytes);
        // Passed on as it came; a closed or full standard error of ours is no reason to stop.
        std::size_t done = 0;
        while (done < bytes.size()) {
          const ssize_t n = ::write(STDERR_FILENO, bytes.data() + done, bytes.size() - done);
          if (n <= 0) break;
          done += static_cast<std::size_t>(n);
        }
      } else if (r.status != OutputPipe::Status::kTimedOut) {
        return;  // every writer has gone, or the pipe failed
      }
      if (stopping.load() && std::chrono::steady_clock::now() >= stopAt) return;
    }
  }
};

ErrorCapture::ErrorCapture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

std::unique_ptr<ErrorCapture> ErrorCapture::Start() {
  std::optional<OutputPipe> pipe = OutputPipe::Create();
  if (!pipe) return nullptr;
  auto impl = std::make_unique<Impl>(std::move(*pipe));
  Impl* raw = impl.get();
  raw->reader = std::thread([raw] { raw->Run(); });
  return std::unique_ptr<ErrorCapture>(new ErrorCapture(std::move(impl)));
}

ErrorCapture::~ErrorCapture() { Finish(0); }

int ErrorCapture::writeEnd() const { return impl_->pipe.writeEnd(); }

void ErrorCapture::ChildStarted() { impl_->pipe.CloseWriteEnd(); }

std::string ErrorCapture::Finish(std::uint32_t drainMs) {
  if (impl_->reader.joinable()) {
    // Our write end must be closed, or the reader would wait out the whole drain for nothing.
    impl_->pipe.CloseWriteEnd();
    impl_->stopAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(drainMs);
    impl_->stopping.store(true);
    impl_->reader.join();
  }
  const std::lock_guard lock(impl_->mutex);
  return impl_->tail;
}

std::string LastLine(const std::string& text) {
  const std::size_t end = text.find_last_not_of(" \t\r\n");
  if (end == std::string::npos) return {};
  const std::size_t start = text.find_last_of("\r\n", end);
  const std::size_t from = start == std::string::npos ? 0 : start + 1;
  return text.substr(from, end + 1 - from);
}

}  // namespace platform
