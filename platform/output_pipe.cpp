#include "platform/output_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace platform {
namespace {

// A roomy pipe lets a fast writer go on while we write its last block away. The system
// may refuse the size (its limit for unprivileged users is usually 1 MiB); a smaller pipe
// only costs a few more reads.
constexpr int kPipeBytes = 2500000;
constexpr int kUnprivilegedPipeBytes = 1 << 20;

}  // namespace

std::optional<OutputPipe> OutputPipe::Create(int* error) {
  int fds[2] = {-1, -1};
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    if (error) *error = errno;
    return std::nullopt;
  }
  if (::fcntl(fds[0], F_SETPIPE_SZ, kPipeBytes) < 0) ::fcntl(fds[0], F_SETPIPE_SZ, kUnprivilegedPipeBytes);
  if (error) *error = 0;
  return OutputPipe(fds[0], fds[1]);
}

OutputPipe::OutputPipe(OutputPipe&& other) noexcept { *this = std::move(other); }

OutputPipe& OutputPipe::operator=(OutputPipe&& other) noexcept {
  if (this != &other) {
    CloseBoth();
    read_ = other.read_;
    write_ = other.write_;
    other.read_ = -1;
    other.write_ = -1;
  }
  return *this;
}

OutputPipe::~OutputPipe() { CloseBoth(); }

void OutputPipe::CloseBoth() {
  CloseWriteEnd();
  if (read_ >= 0) ::close(read_);
  read_ = -1;
}

void OutputPipe::CloseWriteEnd() {
  if (write_ >= 0) ::close(write_);
  write_ = -1;
}

OutputPipe::ReadResult OutputPipe::Read(std::span<char> buffer, std::uint32_t timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd p{read_, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left > 0 ? left : 0));
    if (ready < 0) {
      if (errno == EINTR) continue;
      return {Status::kFailed, 0, errno};
    }
    if (ready == 0) return {Status::kTimedOut, 0, 0};
    const ssize_t n = ::read(read_, buffer.data(), buffer.size());
    if (n > 0) return {Status::kData, static_cast<std::size_t>(n), 0};
    if (n == 0) return {Status::kEnd, 0, 0};
    if (errno == EINTR || errno == EAGAIN) continue;
    return {Status::kFailed, 0, errno};
  }
}

}  // namespace platform
