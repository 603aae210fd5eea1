#include "platform/local_time.h"

#include <ctime>
#include <mutex>

namespace platform {
namespace {

std::mutex gFixedMutex;
std::optional<LocalDateTime> gFixed;

}  // namespace

LocalDateTime LocalNow() {
  {
    const std::lock_guard lock(gFixedMutex);
    if (gFixed) return *gFixed;
  }
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  ::localtime_r(&now, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void SetLocalNowForTest(std::optional<LocalDateTime> fixed) {
  const std::lock_guard lock(gFixedMutex);
  gFixed = fixed;
}

}  // namespace platform
