// The joysticks in the shell: which are connected, what their controls are bound to, and
// the repeat of a held control, which acts again after the keyboard's first delay and at
// its rate, as a held key does.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "frontend/shell/pad_actions.h"
#include "frontend/shell/pad_state.h"
#include "platform/joysticks.h"

namespace platform {
struct WindowEvent;
}

// The shell's record of them (Shell::pads).
struct PadInputState {
  struct Pad {
    PadDevice device;
    PadState state;
  };
  // The control that repeats: the last one pressed, while it is held.
  struct Repeat {
    int id = -1;
    settings::PadControl control;
    KeyAction action = KeyAction::None;
    std::uint32_t due = 0;
  };
  PadBindings bindings;
  std::map<int, Pad> pads;  // by joystick id
  std::optional<Repeat> repeat;
  std::optional<platform::KeyRepeat> timing;  // asked once, when a first control repeats
};

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
// The devices connected now.
std::vector<PadDevice> ConnectedPads();
