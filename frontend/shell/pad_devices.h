// The joysticks connected to the shell and what their controls are bound to: taken as they
// arrive, let go of around a game. Apart from the events, so that the launch lets them go
// without depending on what a press does.
#pragma once

#include <vector>

#include "frontend/shell/pad_input_state.h"
#include "platform/joysticks.h"
#include "settings/settings.h"

namespace render {
struct RenderState;
}

namespace shell {

struct Shell;

// The bindings of the loaded settings (after each configuration load).
void LoadPadBindings(PadInputState& pads, const Settings& settings);
// The keyboard's repeat delay and rate, asked once, when a first control repeats.
platform::KeyRepeat PadRepeatTiming(PadInputState& pads);
// A joystick arrives (with the controls it holds now) or goes (letting go of what it held).
void AttachPad(PadInputState& pads, int id);
void DetachPad(Shell& shell, render::RenderState& render, int id);
// A control let go of: its repeat ends, and it acts as a key's release.
void ReleasePadControl(Shell& shell, render::RenderState& render, int id, const settings::PadControl& control);
// Around a game: every joystick let go of (and its held controls released), then taken again.
void ReleasePads(Shell& shell, render::RenderState& render);
void RetakePads(PadInputState& pads);
// The joystick buttons bound as coin keys, on the devices connected now (before they are let go).
std::vector<PadCoinButton> CoinButtonsOfPads(const PadInputState& pads, const Settings& settings);
// The devices connected now.
std::vector<PadDevice> ConnectedPads(const PadInputState& pads);

}  // namespace shell
