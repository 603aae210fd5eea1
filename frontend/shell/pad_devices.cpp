#include "frontend/shell/pad_devices.h"

#include "frontend/shell/key_release.h"
#include "frontend/shell/shell_state.h"
#include "platform/joysticks.h"

namespace shell {

namespace {
PadInputState& gPads = gShell.pads;
}  // namespace

void LoadPadBindings() { gPads.bindings = ParsePadSettings(gShell.settings.pads); }

platform::KeyRepeat PadRepeatTiming() {
  if (!gPads.timing) gPads.timing = platform::KeyboardRepeat();
  return *gPads.timing;
}

void AttachPad(int id) {
  const auto identity = platform::JoystickIdentityOf(id);
  if (!identity) return;
  const platform::JoystickState s = platform::JoystickStateOf(id);
  gPads.pads[id] = {{identity->physicalPath, identity->guid, identity->name, identity->node},
                    PadState(s.axes, s.hats, s.buttons)};
}

void ReleasePadControl(int id, const settings::PadControl& control) {
  if (gPads.repeat && gPads.repeat->id == id && gPads.repeat->control == control) gPads.repeat.reset();
  AfterKeyRelease();
}

void DetachPad(int id) {
  const auto it = gPads.pads.find(id);
  if (it == gPads.pads.end()) return;
  for (const settings::PadControl& c : it->second.state.Held()) ReleasePadControl(id, c);
  gPads.pads.erase(it);
}

void ReleasePads() {
  while (!gPads.pads.empty()) DetachPad(gPads.pads.begin()->first);
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
  for (int id : platform::ReopenJoysticks()) AttachPad(id);
}

}  // namespace shell
