#include "platform/frame_count.h"

#include "platform/child_environment.h"
#include "platform/clock.h"
#include "platform/files.h"

#include <cstdint>
#include <string>

namespace platform {
namespace {

struct FrameCount {
  std::string path = EnvironmentValue("ORV_FRAME_COUNT_FILE");  // read once, at the first frame
  std::uint64_t frames = 0;
  std::uint32_t written = GetTickCount();
};

FrameCount& Counter() {
  static FrameCount count;
  return count;
}

void Write(FrameCount& c) {
  c.written = GetTickCount();
  WriteFileAtomically(c.path, std::to_string(c.frames) + " " + std::to_string(c.written) + "\n");
}

}  // namespace

void CountShownFrame() {
  FrameCount& c = Counter();
  if (c.path.empty()) return;
  ++c.frames;
  if (GetTickCount() - c.written >= 1000) Write(c);
}

}  // namespace platform
