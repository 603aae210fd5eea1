#include "frontend/shell/loop_timing.h"

#include <algorithm>

namespace shell {

namespace {
constexpr std::uint32_t kMaxWait = 1000;
constexpr std::uint32_t kMusicCheckPeriod = 1000;
constexpr std::uint32_t kStatisticsPeriod = 30000;
}  // namespace

bool FrameDue(std::uint32_t now, std::uint32_t nextFrameTime, bool layoutReady) {
  return layoutReady && TickReached(now, nextFrameTime);
}

bool MusicCheckDue(std::uint32_t now, std::uint32_t musicCheckTime, bool hasMusic, int musicVolume) {
  return hasMusic && musicVolume > 0 && now - musicCheckTime >= kMusicCheckPeriod &&
         static_cast<std::int32_t>(now - musicCheckTime) > 0;
}

bool StatisticsSaveDue(std::uint32_t now, std::uint32_t statisticsSaveTime) {
  return now - statisticsSaveTime > kStatisticsPeriod;
}

std::uint32_t IdleTimeout(std::uint32_t now, const LoopDeadlines& d) {
  std::uint32_t wait = kMaxWait;
  auto until = [&](std::uint32_t due) {
    const auto left = static_cast<std::int32_t>(due - now);
    wait = std::min<std::uint32_t>(wait, left <= 0 ? 0u : static_cast<std::uint32_t>(left));
  };
  if (d.frame) until(*d.frame);
  if (d.musicCheck) until(*d.musicCheck + kMusicCheckPeriod);
  until(d.statisticsSave + kStatisticsPeriod + 1);
  if (d.screensaver) until(*d.screensaver);
  if (d.video) until(*d.video);
  if (d.slideClip) until(*d.slideClip);
  if (d.padRepeat) until(*d.padRepeat);
  if (d.heldKeys) until(*d.heldKeys);
  if (d.hooks) until(*d.hooks);
  return wait;
}

}  // namespace shell
