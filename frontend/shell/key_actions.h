// Which action a pressed key stands for: the information-panel filter and the fixed
// comparison order of the assigned keys.
#pragma once

#include "settings/settings.h"

namespace shell {

enum class KeyAction {
  None,
  Infos,
  LaunchGame,
  Quit,
  Left,
  Right,
  Up,
  Down,
  RandomGame,
  Menu,
  MenuGen,
  VolumeDown,
  VolumeUp,
  NextMusic,
  Rotate,
  Favourites,
  Search,
};

// While the information panel is open only Infos, Up and Down act and Quit closes the
// panel; with Quit unassigned any other key closes it. A key assigned to several actions
// acts as the first of them in the comparison order. Codes of 0 or below do nothing.
KeyAction ActionForKey(int code, const KeySettings& keys, bool infoPanelOpen);

}  // namespace shell
