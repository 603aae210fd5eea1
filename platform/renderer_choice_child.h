// The parts of the renderer choice shared by platform/device and platform/renderer_choice.
#pragma once

#include "platform/renderer_verdict.h"

#include <optional>
#include <string>

namespace platform {

// The linked SDL's version, "2.26.5".
std::string SdlVersion();

// True in the frontend, whose main lets the choice run in a process of its own.
bool RendererChoiceInChild();

// The choice made by the program started again for it; nothing when it failed.
std::optional<RendererDecision> ChooseInChild(int width, int height);

// After the first window shows, the GL driver of a remembered software verdict is checked.
void ScheduleRendererCheck(int width, int height);

}  // namespace platform
