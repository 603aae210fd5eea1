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

namespace shell {

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

// A button of a connected device, by SDL's number.
struct PadButton {
  std::string node;
  int button = 0;
  bool operator==(const PadButton&) const = default;
};

// The bindings of each action, in the order of KeyAction (Infos first).
struct PadBindings {
  static constexpr int kActions = static_cast<int>(KeyAction::Search);
  std::array<std::vector<settings::PadBinding>, kActions> byAction;
};

PadBindings ParsePadSettings(const PadSettings& pads);

// The buttons that stand for `action` on the devices given (those with an event node), as
// PadActionFor reads them: a device's own bindings, or the defaults where none names it.
std::vector<PadButton> PadButtonsOfAction(const PadBindings& bindings, KeyAction action,
                                          const std::vector<PadDevice>& devices);

// Unfiltered: the information panel's rule is the caller's (PadActionInInfoPanel).
KeyAction PadActionFor(const PadBindings& bindings, const PadDevice& device, const settings::PadControl& control);

// While the information panel is open only Infos, Up and Down act and Quit closes it;
// with no quit key at all, any other bound control closes it.
KeyAction PadActionInInfoPanel(KeyAction action, bool quitAssigned);

}  // namespace shell
