// The joysticks as the shell keeps them between events: their bindings, the devices
// connected and the repeat of a held control.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "frontend/shell/pad_actions.h"
#include "frontend/shell/pad_state.h"
#include "platform/joysticks.h"

namespace shell {

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

}  // namespace shell
