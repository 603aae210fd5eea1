// One joystick's controls as presses and releases: each button, each hat direction and
// each axis direction is a control that goes down and up like a key. An axis direction
// goes down past half the axis' range and up only once back under a quarter, so a stick
// resting near a threshold never chatters. Whatever is held when the device is opened
// (a trigger resting at one end) is rest: it acts once released and pressed again.
#pragma once

#include <vector>

#include "settings/pad_binding.h"

namespace shell {

struct PadEdge {
  settings::PadControl control;
  bool pressed = false;
  bool operator==(const PadEdge&) const = default;
};

class PadState {
 public:
  PadState() = default;
  // The device's state when it was opened.
  PadState(const std::vector<int>& axes, const std::vector<int>& hats, const std::vector<bool>& buttons);

  std::vector<PadEdge> Button(int index, bool down);
  std::vector<PadEdge> Hat(int index, int bits);
  std::vector<PadEdge> Axis(int index, int value);

  // The controls held now that pressed since the device was opened.
  const std::vector<settings::PadControl>& Held() const { return held_; }

 private:
  // One control's new position; an edge unless the control was held at the start.
  void Set(const settings::PadControl& c, bool down, std::vector<PadEdge>& edges);
  static int AxisDirection(int value, int held);

  std::vector<settings::PadControl> held_;
  std::vector<settings::PadControl> latched_;  // held since the device was opened
  std::vector<int> axes_;                       // each axis' direction: -1, 0, +1
  std::vector<int> hats_;
};

}  // namespace shell
