// Empty until the screensaver is built.
#include "frontend/shell/wiring_launch.h"

namespace wire {

void ArmScreensaver() {}
std::optional<std::uint32_t> ScreensaverDeadline() { return std::nullopt; }
void ScreensaverStep(std::uint32_t) {}

}  // namespace wire
