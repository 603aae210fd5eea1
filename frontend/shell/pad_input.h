// The joysticks in the shell: which are connected, what their controls are bound to, and
// the repeat of a held control, which acts again after the keyboard's first delay and at
// its rate, as a held key does.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "frontend/shell/pad_actions.h"

namespace platform {
struct WindowEvent;
}

// The bindings of the loaded settings (after each configuration load).
void LoadPadBindings();
// A joystick event of the queue (arrival, departure, button, hat, axis) at tick `now`.
void OnPadEvent(const platform::WindowEvent& event, std::uint32_t now);
// A held control's repeat, when due.
void PadRepeatStep(std::uint32_t now);
std::optional<std::uint32_t> PadRepeatDue();
// Around a game: every joystick let go of (and its held controls released), then taken again.
void ReleasePads();
void RetakePads();
// The joystick buttons bound as coin keys, on the devices connected now (before they are let go).
std::vector<PadCoinButton> CoinButtonsOfPads();
// Back to no joystick and no binding (the handles stay SDL's business).
void ResetPadInput();
