#include "frontend/shell/pad_devices.h"

#include "frontend/shell/key_release.h"
#include "frontend/shell/shell_state.h"
#include "platform/joysticks.h"

namespace shell {

void LoadPadBindings(PadInputState& pads, const Settings& settings) { pads.bindings = ParsePadSettings(settings.pads); }

platform::KeyRepeat PadRepeatTiming(PadInputState& pads) {
  if (!pads.timing) pads.timing = platform::KeyboardRepeat();
  return *pads.timing;
}

void AttachPad(PadInputState& pads, int id) {
  const auto identity = platform::JoystickIdentityOf(id);
  if (!identity) return;
  const platform::JoystickState s = platform::JoystickStateOf(id);
  pads.pads[id] = {{identity->physicalPath, identity->guid, identity->name, identity->node},
                   PadState(s.axes, s.hats, s.buttons)};
}

void ReleasePadControl(Shell& shell, render::RenderState& render, int id, const settings::PadControl& control) {
  PadInputState& pads = shell.pads;
  if (pads.repeat && pads.repeat->id == id && pads.repeat->control == control) pads.repeat.reset();
  AfterKeyRelease(shell, render);
}

void DetachPad(Shell& shell, render::RenderState& render, int id) {
  PadInputState& pads = shell.pads;
  const auto it = pads.pads.find(id);
  if (it == pads.pads.end()) return;
  for (const settings::PadControl& c : it->second.state.Held()) ReleasePadControl(shell, render, id, c);
  pads.pads.erase(it);
}

void ReleasePads(Shell& shell, render::RenderState& render) {
  PadInputState& pads = shell.pads;
  while (!pads.pads.empty()) DetachPad(shell, render, pads.pads.begin()->first);
  pads.repeat.reset();
  platform::CloseJoysticks();
}

std::vector<PadDevice> ConnectedPads(const PadInputState& pads) {
  std::vector<PadDevice> devices;
  for (const auto& [id, pad] : pads.pads) devices.push_back(pad.device);
  return devices;
}

std::vector<PadCoinButton> CoinButtonsOfPads(const PadInputState& pads, const Settings& settings) {
  return PadCoinButtons(settings.pads, ConnectedPads(pads));
}

void RetakePads(PadInputState& pads) {
  for (int id : platform::ReopenJoysticks()) AttachPad(pads, id);
}

}  // namespace shell
