#include "frontend/shell/pad_input.h"

#include "frontend/shell/loop_timing.h"
#include "frontend/shell/pad_actions.h"
#include "frontend/shell/pad_state.h"
#include "frontend/shell/shell_state.h"
#include "frontend/shell/window_events.h"
#include "platform/joysticks.h"
#include "platform/window.h"

namespace {

using Pad = PadInputState::Pad;
using Repeat = PadInputState::Repeat;
PadInputState& gPads = gShell.pads;

platform::KeyRepeat Timing() {
  if (!gPads.timing) gPads.timing = platform::KeyboardRepeat();
  return *gPads.timing;
}

void Attach(int id) {
  const auto identity = platform::JoystickIdentityOf(id);
  if (!identity) return;
  const platform::JoystickState s = platform::JoystickStateOf(id);
  gPads.pads[id] = {{identity->physicalPath, identity->guid, identity->name, identity->node},
                    PadState(s.axes, s.hats, s.buttons)};
}

void Press(int id, const Pad& pad, const settings::PadControl& control, std::uint32_t now) {
  const KeyAction action = PadActionFor(gPads.bindings, pad.device, control);
  // Before it acts: an action that runs a game lets go of every control, this one too.
  if (action != KeyAction::None) gPads.repeat = Repeat{id, control, action, now + Timing().delayMs};
  else gPads.repeat.reset();  // as a keyboard repeats only the last key pressed
  OnPadPress(action);
}

void Release(int id, const settings::PadControl& control) {
  if (gPads.repeat && gPads.repeat->id == id && gPads.repeat->control == control) gPads.repeat.reset();
  OnPadRelease();
}

// A device that goes lets go of whatever it held.
void Detach(int id) {
  const auto it = gPads.pads.find(id);
  if (it == gPads.pads.end()) return;
  for (const settings::PadControl& c : it->second.state.Held()) Release(id, c);
  gPads.pads.erase(it);
}

}  // namespace

void LoadPadBindings() { gPads.bindings = ParsePadSettings(gShell.settings.pads); }

void OnPadEvent(const platform::WindowEvent& event, std::uint32_t now) {
  using Type = platform::WindowEvent::Type;
  if (event.type == Type::JoyAdded) Attach(event.device);
  if (event.type == Type::JoyRemoved) Detach(event.device);
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
    else Release(event.device, e.control);
  }
}

void PadRepeatStep(std::uint32_t now) {
  if (!gPads.repeat || !TickReached(now, gPads.repeat->due)) return;
  gPads.repeat->due = now + Timing().intervalMs;
  OnPadPress(gPads.repeat->action);
}

std::optional<std::uint32_t> PadRepeatDue() {
  if (!gPads.repeat) return std::nullopt;
  return gPads.repeat->due;
}

void ReleasePads() {
  while (!gPads.pads.empty()) Detach(gPads.pads.begin()->first);
  gPads.repeat.reset();
  platform::CloseJoysticks();
}

std::vector<PadDevice> ConnectedPads() {
  std::vector<PadDevice> devices;
  for (const auto& [id, pad] : gPads.pads) devices.push_back(pad.device);
  return devices;
}

std::vector<PadCoinButton> CoinButtonsOfPads() { return PadCoinButtons(gShell.settings.pads, ConnectedPads()); }

void RetakePads() {
  for (int id : platform::ReopenJoysticks()) Attach(id);
}
