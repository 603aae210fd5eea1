#include "platform/clock.h"

#include <atomic>
#include <cerrno>
#include <ctime>

namespace platform {
namespace {
std::atomic<bool> overridden{false};
std::atomic<std::uint32_t> overrideTick{0};
}  // namespace

std::uint32_t GetTickCount() {
  if (overridden.load(std::memory_order_relaxed)) return overrideTick.load(std::memory_order_relaxed);
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  const std::uint64_t ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

void Sleep(std::uint32_t ms) {
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

void SetTickOverride(std::uint32_t tick) {
  overrideTick.store(tick);
  overridden.store(true);
}

void ClearTickOverride() { overridden.store(false); }

}  // namespace platform
