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
void Press(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, int id, const Pad& pad, const settings::PadControl& control, std::uint32_t now) {
  PadInputState& pads = shell.pads;
  const KeyAction action = PadActionFor(pads.bindings, pad.device, control);
  // Before it acts: an action that runs a game lets go of every control, this one too.
  if (action != KeyAction::None) pads.repeat = Repeat{id, control, action, now + PadRepeatTiming(pads).delayMs};
  else pads.repeat.reset();  // as a keyboard repeats only the last key pressed
  OnPadPress(shell, catalogue, render, action);
}

}  // namespace

void OnPadEvent(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, const platform::WindowEvent& event, std::uint32_t now) {
  PadInputState& pads = shell.pads;
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::JoyAdded) AttachPad(pads, event.device);
  if (event.type == Type::JoyRemoved) DetachPad(shell, render, event.device);
  const auto it = pads.pads.find(event.device);
  if (it == pads.pads.end()) return;
  std::vector<PadEdge> edges;
  PadState& state = it->second.state;
  if (event.type == Type::JoyButton) edges = state.Button(event.control, event.value != 0);
  if (event.type == Type::JoyHat) edges = state.Hat(event.control, event.value);
  if (event.type == Type::JoyAxis) edges = state.Axis(event.control, event.value);
  for (const PadEdge& e : edges) {
    // An action may have let the pads go and taken them again (a game ran): look again.
    const auto pad = pads.pads.find(event.device);
    if (pad == pads.pads.end()) return;
    if (e.pressed) Press(shell, catalogue, render, event.device, pad->second, e.control, now);
    else ReleasePadControl(shell, render, event.device, e.control);
  }
}

void PadRepeatStep(Shell& shell, catalogue::CatalogueState& catalogue, render::RenderState& render, std::uint32_t now) {
  PadInputState& pads = shell.pads;
  if (!pads.repeat || !TickReached(now, pads.repeat->due)) return;
  pads.repeat->due = now + PadRepeatTiming(pads).intervalMs;
  OnPadPress(shell, catalogue, render, pads.repeat->action);
}

std::optional<std::uint32_t> PadRepeatDue(const PadInputState& pads) {
  if (!pads.repeat) return std::nullopt;
  return pads.repeat->due;
}

}  // namespace shell
