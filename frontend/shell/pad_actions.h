// Which panel action a joystick control stands for: the [Manettes] bindings in the
// comparison order of the keys, or, for a device that no binding names, the defaults
// (first stick and first hat move, button 0 launches), so that a new cabinet works
// before it is configured.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/shell/key_actions.h"
#include "settings/pad_binding.h"
#include "settings/settings.h"

// What a binding compares of a device.
struct PadDevice {
  std::string physicalPath;
  std::string guid;
  std::string name;
  std::string node;  // its event node; empty for a device without one
};

// A button of a connected device counted as a coin key while a game runs.
struct PadCoinButton {
  std::string node;
  int button = 0;  // SDL's number
  int coin = 0;    // 0-3: the coin key it stands for
  bool operator==(const PadCoinButton&) const = default;
};
// The buttons the coin bindings name on the devices given (those with an event node).
std::vector<PadCoinButton> PadCoinButtons(const PadSettings& pads, const std::vector<PadDevice>& devices);

// The bindings of each action, in the order of KeyAction (Infos first).
struct PadBindings {
  static constexpr int kActions = static_cast<int>(KeyAction::Search);
  std::array<std::vector<settings::PadBinding>, kActions> byAction;
};

PadBindings ParsePadSettings(const PadSettings& pads);

// Unfiltered: the information panel's rule is the caller's (PadActionInInfoPanel).
KeyAction PadActionFor(const PadBindings& bindings, const PadDevice& device, const settings::PadControl& control);

// While the information panel is open only Infos, Up and Down act and Quit closes it;
// with no quit key at all, any other bound control closes it.
KeyAction PadActionInInfoPanel(KeyAction action, bool quitAssigned);
