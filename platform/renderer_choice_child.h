// The parts of the renderer choice shared by platform/device and platform/renderer_choice.
#pragma once

#include "platform/renderer_verdict.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The linked SDL's version, "2.26.5".
std::string SdlVersion();

// True in the frontend, whose main lets the choice run in a process of its own.
bool RendererChoiceInChild();

// The choice made by the program started again for it; nothing when it failed.
std::optional<RendererDecision> ChooseInChild(int width, int height);

// With no verdict at all, the choice runs beside the menu's start: the menu opens with the
// software renderer, and an event (IsBackgroundChoiceEvent) says when the verdict is in.
// False when it could not be started (or already ran in this process).
bool StartChoiceInBackground(int width, int height);
bool IsBackgroundChoiceEvent(std::uint32_t type);
// The background choice's verdict, once its event came; nothing when it failed. `check`:
// it checked a remembered verdict (decision.fromCache: the verdict still holds).
struct BackgroundVerdict {
  RendererDecision decision;
  bool check = false;
};
std::optional<BackgroundVerdict> TakeBackgroundChoice();
// Takes the background choice's verdict for this process and logs it; true when it chose
// the accelerated renderer, so the display must be made again.
bool AdoptBackgroundChoice();
// Ends a background choice still running (the program closes).
void StopBackgroundChoice();

// After the first window shows, the GL driver of a remembered software verdict is checked.
void ScheduleRendererCheck(int width, int height);

}  // namespace platform
