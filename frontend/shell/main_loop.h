// The main loop: one pass handles either one window event or one idle step; when no
// event waits, it sleeps until the next step falls due (at most one second).
#pragma once

#include <cstdint>

namespace platform {
struct WindowEvent;
}

namespace shell {

// Runs while RunState > 0.
void RunMainLoop();

// One idle step at tick `now`: display recovery, frame step, music, screensaver and the
// periodic statistics save.
void IdleStep(std::uint32_t now);

// The frame step alone (part of IdleStep; for tests).
void FrameStep(std::uint32_t now);

// One event taken from the queue.
void DispatchEvent(const platform::WindowEvent& event);

// How long the loop may sleep after an idle step at `now`.
std::uint32_t NextIdleTimeout(std::uint32_t now);

}  // namespace shell
