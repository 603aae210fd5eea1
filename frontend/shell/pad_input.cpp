#include "frontend/shell/pad_input.h"

#include "frontend/shell/loop_timing.h"
#include "frontend/shell/pad_actions.h"
#include "frontend/shell/pad_state.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/window_events.h"
#include "platform/joysticks.h"
#include "platform/window.h"

namespace shell {

namespace {

using Pad = PadInputState::Pad;
using Repeat = PadInputState::Repeat;
PadInputState& gPads = gShell.pads;

void Press(int id, const Pad& pad, const settings::PadControl& control, std::uint32_t now) {
  const KeyAction action = PadActionFor(gPads.bindings, pad.device, control);
  // Before it acts: an action that runs a game lets go of every control, this one too.
  if (action != KeyAction::None) gPads.repeat = Repeat{id, control, action, now + PadRepeatTiming().delayMs};
  else gPads.repeat.reset();  // as a keyboard repeats only the last key pressed
  OnPadPress(action);
}

}  // namespace

void OnPadEvent(const platform::WindowEvent& event, std::uint32_t now) {
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::JoyAdded) AttachPad(event.device);
  if (event.type == Type::JoyRemoved) DetachPad(event.device);
  const auto it = gPads.pads.find(event.device);
  if (it == gPads.pads.end()) return;
  std::vector<PadEdge> edges;
  PadState& state = it->second.state;
  if (event.type == Type::JoyButton) edges = state.Button(event.control, event.value != 0);
  if (event.type == Type::JoyHat) edges = state.Hat(event.control, event.value);
  if (event.type == Type::JoyAxis) edges = state.Axis(event.control, event.value);
  for (const PadEdge& e : edges) {
    // An action may have let the pads go and taken them again (a game ran): look again.
    const auto pad = gPads.pads.find(event.device);
    if (pad == gPads.pads.end()) return;
    if (e.pressed) Press(event.device, pad->second, e.control, now);
    else ReleasePadControl(event.device, e.control);
  }
}

void PadRepeatStep(std::uint32_t now) {
  if (!gPads.repeat || !TickReached(now, gPads.repeat->due)) return;
  gPads.repeat->due = now + PadRepeatTiming().intervalMs;
  OnPadPress(gPads.repeat->action);
}

std::optional<std::uint32_t> PadRepeatDue() {
  if (!gPads.repeat) return std::nullopt;
  return gPads.repeat->due;
}

}  // namespace shell
