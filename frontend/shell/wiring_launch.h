// Where the screensaver joins the window creation and the main loop.
#pragma once

#include <cstdint>
#include <optional>

namespace wire {

void ArmScreensaver();  // main window creation
// The tick at which the screensaver is next due (none when it is off), and its step.
std::optional<std::uint32_t> ScreensaverDeadline();
void ScreensaverStep(std::uint32_t now);

}  // namespace wire
